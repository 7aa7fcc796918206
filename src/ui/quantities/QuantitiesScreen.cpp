#include "QuantitiesScreen.h"

#include "BlockPicture.h"
#include "core/quantities/QuantitiesRules.h"
#include "ui/Label.h"
#include "ui/Twips.h"

#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int barWidth = 1575;
constexpr int titleTop = 3060;
constexpr int barTop = 3360;
constexpr int rowHeight = 255;
} // namespace

QuantitiesScreen::QuantitiesScreen(Session &session)
    : ExerciseScreen(QStringLiteral("Form4"), Keys::EnterOnly, session) {
    setFixedSize(tw(7700), tw(5040));
    setBackground(QColor(255, 255, 128));

    thousands_ = addBar(QStringLiteral("HBildlauf4"), QStringLiteral("Bezeichnung5"),
                        QStringLiteral("Tausender"), 360, 10, &BlockCounts::thousands);
    hundreds_ = addBar(QStringLiteral("HBildlauf1"), QStringLiteral("Bezeichnung2"),
                       QStringLiteral("Hunderter"), 2160, 9, &BlockCounts::hundreds);
    tens_ = addBar(QStringLiteral("HBildlauf2"), QStringLiteral("Bezeichnung3"),
                   QStringLiteral("Zehner"), 3960, 9, &BlockCounts::tens);
    ones_ = addBar(QStringLiteral("HBildlauf3"), QStringLiteral("Bezeichnung4"),
                   QStringLiteral("Einer"), 5760, 9, &BlockCounts::ones);

    endButton()->setGeometry(twRect(360, 3960, barWidth, 495));
    okayButton()->setGeometry(twRect(5760, 3960, barWidth, 495));

    number_ = new Label(QStringLiteral("Bezeichnung1"), this);
    number_->setGeometry(twRect(2160, 3840, 3375, 615));
    number_->setAlignment(Qt::AlignCenter);
    number_->setBordered(true);
    number_->setPointSize(18, true);
    setNewTaskLabel(number_);

    auto *hint =
        new Label(QStringLiteral("Bezeichnung6"), this, QStringLiteral("Eingabe mit [Enter]"));
    hint->setGeometry(twRect(2160, 4500, 3375, rowHeight));
    hint->setAlignment(Qt::AlignCenter);
}

QScrollBar *QuantitiesScreen::addBar(const QString &name, const QString &titleName,
                                     const QString &title, int left, int maximum,
                                     int BlockCounts::*place) {
    auto *caption = new Label(titleName, this, title);
    caption->setGeometry(twRect(left, titleTop, barWidth, rowHeight));

    auto *bar = new QScrollBar(Qt::Horizontal, this);
    bar->setObjectName(name);
    bar->setGeometry(twRect(left, barTop, barWidth, rowHeight));
    bar->setRange(0, maximum);
    // One block per arrow click and per click into the trough.
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // A clicked bar takes the focus, so the arrow keys move it: Right adds a
    // block, Left takes one away (a plain QScrollBar has these turned round).
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(false);
    // valueChanged also follows the thumb while it is dragged, so the rows are live.
    connect(bar, &QScrollBar::valueChanged, this, [this, place](int value) {
        task_.built.*place = value;
        update();
    });
    return bar;
}

void QuantitiesScreen::newTask() {
    task_ = QuantitiesRules::draw(session());
    number_->setText(task_.expected);
    for (QScrollBar *bar : {hundreds_, tens_, ones_, thousands_})
        bar->setValue(0);
    update();
    taskShown();
}

void QuantitiesScreen::checkAnswer() {
    if (QuantitiesRules::isRight(task_)) {
        reportRight();
        newTask();
    } else {
        // The bars and blocks stay, so the child corrects the same task.
        reportWrong();
    }
}

void QuantitiesScreen::paintEvent(QPaintEvent *event) {
    ExerciseScreen::paintEvent(event);
    // Painted from the task every time, so the rows come back after the
    // screen was covered.
    QPainter painter(this);
    BlockPicture::paint(painter, task_.built);
}

ShownTask QuantitiesScreen::shownTask() const {
    return TaskDescriptions::of(task_);
}
