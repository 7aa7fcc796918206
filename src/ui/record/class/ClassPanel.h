#pragma once

#include "core/record/ClassMistakes.h"
#include "core/record/ClassTable.h"
#include "core/record/Retention.h"
#include "store/class/ClassQueries.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class WorksheetOutput;

// A class at a glance: one row per child, one column per exercise, each
// cell the share right at the first try, the tasks and its colour in words;
// the last day and the practice time beside; sorted by any column; the
// tasks most children got wrong; the buttons for worksheets, files, paper
// and how long the server keeps answers. It shows what it is given and
// asks for the rest through its signals.
class ClassPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int mistakesShown = 10;

    ClassPanel(WorksheetOutput &output, QWidget *parent);

    using CsvPathAsker =
        std::function<QString(QWidget *, const QString &title, const QString &suggestedPath)>;
    void setCsvPathAsker(CsvPathAsker ask) { askCsvPath_ = std::move(ask); }

    // A class chosen: its children, the figures on their way.
    void showLoading(const QString &className, const QString &period,
                     const QList<ClassTable::Child> &children,
                     const ClassQueries::Keeping &keeping);
    void showFigures(const QList<ClassCell> &cells, const ClassQueries::MistakeCounts &mistakes);
    void showFailure(const QString &text);

    QString className() const { return className_; }
    QString period() const { return period_; }
    const QList<ClassRow> &rows() const { return rows_; }
    QStringList exercises() const { return exercises_; }

    // The table sorted by a column as the list "Sortieren" names it: 0 the
    // name, then the exercises, the last day and the practice time.
    void sortBy(int column, bool ascending);

    // The click handlers.
    void saveTableCsv();
    void print();
    void savePdf();
    // A child's name activated (clicked, or Enter on its row).
    void openRow(int row);

    // The table as plain lines for the printer, colours in words.
    QString tableText() const;

    // Asks for a CSV file to save to; "" when cancelled.
    QString askCsvPath(const QString &title, const QString &fileStart);

signals:
    void childOpened(const QString &childId);
    void worksheetsRequested();
    void answersCsvRequested();
    void keepMonthsChosen(int months);

private:
    QWidget *makeSortRow();
    QWidget *makeButtonRow();
    void fillTable();
    void fillMistakes(const QList<ClassMistake> &mistakes);
    void headerClicked(int section);
    void sortChosen();

    WorksheetOutput &output_;
    QLabel *heading_;
    QLabel *state_;
    QTableWidget *table_;
    QComboBox *sortColumn_;
    QCheckBox *descending_;
    QTableWidget *mistakes_;
    QSpinBox *keepMonths_;
    QLabel *keeping_;
    QString className_;
    QString period_;
    QList<ClassTable::Child> children_;
    QList<ClassRow> rows_;
    QStringList exercises_;
    CsvPathAsker askCsvPath_;
};
