#pragma once

#include <QString>
#include <QStringList>

class QLabel;
class QTableWidget;
class QWidget;

// The parts the record's windows share, so that they read and behave alike.
namespace RecordWidgets {

// A caption that names its control for the keyboard (&) and for screen readers.
QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent);

// A read-only table chosen by rows, left by Tab, moved in by the arrow keys.
QTableWidget *table(const QString &name, const QString &accessibleName, const QStringList &columns,
                    QWidget *parent);

// Qt's dialog for a CSV file to save; "" when cancelled.
QString askCsvFile(QWidget *parent, const QString &title, const QString &suggested);

} // namespace RecordWidgets
