#include "ScrollingLayout.h"

#include <QLayout>
#include <QScrollArea>
#include <QVBoxLayout>

QWidget *putLayoutInScrollArea(QWidget *window) {
    QLayout *layout = window->layout();
    if (!layout)
        return nullptr;
    // The window's margins were a window's; the page keeps them exactly.
    const QMargins margins = layout->contentsMargins();
    auto *page = new QWidget;
    page->setObjectName(window->objectName() + QStringLiteral("Seite"));
    // Qt takes the layout off the window and its controls with it.
    page->setLayout(layout);
    layout->setContentsMargins(margins);

    auto *area = new QScrollArea(window);
    area->setObjectName(window->objectName() + QStringLiteral("Bildlauf"));
    area->setAccessibleName(window->windowTitle());
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    return page;
}
