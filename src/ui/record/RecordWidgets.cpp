#include "RecordWidgets.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

namespace RecordWidgets {

QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QLatin1Char(':')));
    return label;
}

QTableWidget *table(const QString &name, const QString &accessibleName, const QStringList &columns,
                    QWidget *parent) {
    auto *table = new QTableWidget(0, int(columns.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(accessibleName);
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table; the arrow keys move inside it.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QString askCsvFile(QWidget *parent, const QString &title, const QString &suggested) {
    return QFileDialog::getSaveFileName(parent, title, suggested,
                                        QStringLiteral("CSV-Dateien (*.csv)"));
}

} // namespace RecordWidgets
