#pragma once

#include "core/record/AnswerRecord.h"
#include "core/record/Period.h"
#include "ui/Screen.h"
#include "ui/worksheets/WorksheetOutput.h"

#include <QDateTime>

#include <functional>

class ClassServerLine;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class RecordChart;
class RecordStore;
class QStackedWidget;
class TeacherRecord;

// The learning record ("Lernstand") for the teacher: a child and a period
// chosen, what was practised per exercise, the answers per day, the tasks
// that went wrong most often; the answers out as CSV, the summary on paper,
// tasks from the mistakes onto the worksheet; the children's names and the
// deleting of a record. It shows what the store holds and decides nothing
// the statistics in core/ decide.
class RecordView : public Screen {
    Q_OBJECT
public:
    explicit RecordView(RecordStore &store);

    // Asks for the CSV file to write (parent, title, file offered); "" = cancelled.
    using CsvPathAsker =
        std::function<QString(QWidget *, const QString &title, const QString &suggestedPath)>;
    void setCsvPathAsker(CsvPathAsker ask) { askCsvPath_ = std::move(ask); }
    void setClock(std::function<QDateTime()> now) { now_ = std::move(now); }
    // Appends one worksheet task of the type drawn from the range.
    void setWorksheetAppender(std::function<void(const QString &, int)> append) {
        appendTask_ = std::move(append);
    }
    WorksheetOutput &output() { return output_; }
    ClassServerLine &classServerLine() { return *classServer_; }

    // The chosen child ("" = the login account's own record) and period.
    QString child() const;
    Period period() const;
    void choose(const QString &child, Period period);

    // Reads the chosen child's answers of the period again and shows them.
    void refresh();

    // The class server as a teacher sees it: its classes and children join
    // the choice "Kind", and what it shows comes from the server.
    void setTeacher(TeacherRecord *teacher);
    // The answers shown for the chosen child, from wherever they came.
    void showAnswers(const QList<AnswerRecord> &answers);
    // A line in place of the figures' summary, while they are on their way.
    void showStatus(const QString &text);
    // The class panel in place of the child's figures, or the child's again.
    void showPanel(QWidget *panel);
    void fillChildren(const QString &select);
    QDateTime now() const { return now_(); }

    // The click handlers.
    void saveCsv();
    void print();
    void savePdf();
    void appendToWorksheet();
    void addChild();
    void renameChild();
    void removeChild();
    void deleteRecord();

signals:
    // A name changed or went: whoever records for a child follows.
    void childRenamed(const QString &from, const QString &to);
    void childrenChanged();

protected:
    void load() override;
    void showEvent(QShowEvent *event) override;
    void closeBox() override { leave(); }

private:
    QWidget *makeChoiceRow();
    QWidget *makeButtonRow();
    QString childLabel() const;
    QString summaryText() const;

    RecordStore &store_;
    QComboBox *children_;
    QComboBox *periods_;
    QPushButton *rename_;
    QPushButton *remove_;
    QLabel *status_;
    QStackedWidget *pages_;
    QWidget *childPage_;
    QList<QPushButton *> childActions_;
    TeacherRecord *teacher_ = nullptr;
    QTableWidget *exercises_;
    RecordChart *chart_;
    QTableWidget *mistakes_;
    ClassServerLine *classServer_;
    QList<AnswerRecord> answers_;
    WorksheetOutput output_;
    CsvPathAsker askCsvPath_;
    std::function<QDateTime()> now_;
    std::function<void(const QString &, int)> appendTask_;
};
