#include "RecordView.h"

#include "ClassServerLine.h"
#include "RecordChart.h"
#include "RecordFormat.h"
#include "RecordWidgets.h"
#include "class/TeacherRecord.h"
#include "core/record/RecordStatistics.h"
#include "store/RecordStore.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using RecordWidgets::askCsvFile;
using RecordWidgets::labelFor;

constexpr int mistakesShown = 10;
const Period periods[] = {Period::Today, Period::Week, Period::Month, Period::All};

// Figures stand right-aligned, texts left-aligned.
void fill(QTableWidget *table, const QList<QStringList> &rows, const QList<int> &figures) {
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            auto *item = new QTableWidgetItem(rows[r][c]);
            if (figures.contains(c))
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
}

} // namespace

RecordView::RecordView(RecordStore &store)
    : Screen(QStringLiteral("Lernstand"), QStringLiteral("Lernstand")), store_(store),
      output_(this), askCsvPath_(&askCsvFile), now_([] { return QDateTime::currentDateTime(); }) {
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(makeChoiceRow());
    // The child's figures; a class's panel takes their place.
    pages_ = new QStackedWidget(this);
    childPage_ = new QWidget(pages_);
    auto *child = new QVBoxLayout(childPage_);
    child->setContentsMargins(0, 0, 0, 0);
    status_ = new QLabel(childPage_);
    status_->setObjectName(QStringLiteral("Zusammenfassung"));
    child->addWidget(status_);
    exercises_ = RecordWidgets::table(QStringLiteral("Uebungen"), QStringLiteral("Übungen"),
                                      RecordFormat::exerciseColumns(), childPage_);
    child->addWidget(exercises_, 2);
    chart_ = new RecordChart(childPage_);
    child->addWidget(chart_, 3);
    child->addWidget(new QLabel(QStringLiteral("Häufige Fehler:"), childPage_));
    mistakes_ = RecordWidgets::table(QStringLiteral("Fehler"), QStringLiteral("Häufige Fehler"),
                                     RecordFormat::mistakeColumns(), childPage_);
    child->addWidget(mistakes_, 2);
    pages_->addWidget(childPage_);
    layout->addWidget(pages_, 1);
    classServer_ = new ClassServerLine(this);
    layout->addWidget(classServer_);
    layout->addWidget(makeButtonRow());
    // Its layout places the controls: the window takes the room it gets.
    setKind(WindowKind::LaidOut);
    resize(960, 760);
}

QWidget *RecordView::makeChoiceRow() {
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    children_ = new QComboBox(row);
    children_->setObjectName(QStringLiteral("Kind"));
    periods_ = new QComboBox(row);
    periods_->setObjectName(QStringLiteral("Zeitraum"));
    for (Period p : periods)
        periods_->addItem(periodName(p), int(p));
    periods_->setCurrentIndex(periods_->findData(int(Period::All)));
    layout->addWidget(labelFor(children_, QStringLiteral("&Kind:"), row));
    layout->addWidget(children_, 1);
    layout->addWidget(labelFor(periods_, QStringLiteral("&Zeitraum:"), row));
    layout->addWidget(periods_);
    auto *add = addButton(QStringLiteral("KindNeu"), QStringLiteral("Neues Kind …"), {});
    rename_ = addButton(QStringLiteral("KindUmbenennen"), QStringLiteral("Umbenennen …"), {});
    remove_ = addButton(QStringLiteral("KindEntfernen"), QStringLiteral("Entfernen …"), {});
    connect(add, &QPushButton::clicked, this, &RecordView::addChild);
    connect(rename_, &QPushButton::clicked, this, &RecordView::renameChild);
    connect(remove_, &QPushButton::clicked, this, &RecordView::removeChild);
    for (QPushButton *b : {add, rename_, remove_})
        layout->addWidget(b);
    connect(children_, &QComboBox::activated, this, &RecordView::refresh);
    connect(periods_, &QComboBox::activated, this, &RecordView::refresh);
    return row;
}

QWidget *RecordView::makeButtonRow() {
    struct Button {
        const char *name;
        const char *caption;
        void (RecordView::*click)();
    };
    static const Button buttons[] = {
        {"CSV", "CSV", &RecordView::saveCsv},
        {"Drucken", "Drucken", &RecordView::print},
        {"PDF", "PDF", &RecordView::savePdf},
        {"AlsArbeitsblatt", "Als Arbeitsblatt", &RecordView::appendToWorksheet},
        {"LernstandLoeschen", "Löschen …", &RecordView::deleteRecord},
    };
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Button &b : buttons) {
        QPushButton *button =
            addButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption), {});
        connect(button, &QPushButton::clicked, this, b.click);
        layout->addWidget(button);
        childActions_ << button;
    }
    layout->addStretch();
    QPushButton *close = addButton(QStringLiteral("Schliessen"), QStringLiteral("Schließen"), {});
    connect(close, &QPushButton::clicked, this, &Screen::leave);
    layout->addWidget(close);
    return row;
}

void RecordView::load() {
    placeCentred();
}

void RecordView::showEvent(QShowEvent *event) {
    Screen::showEvent(event);
    // Every visit shows the record as it stands now.
    fillChildren(child());
    refresh();
    if (teacher_)
        teacher_->update();
}

void RecordView::fillChildren(const QString &select) {
    children_->clear();
    if (teacher_)
        teacher_->addEntries(children_);
    children_->addItem(QStringLiteral("Eigenes Konto (%1)").arg(QDir::home().dirName()), QString());
    for (const QString &name : store_.children())
        children_->addItem(name, name);
    children_->setCurrentIndex(qMax(0, children_->findData(select)));
}

QString RecordView::child() const {
    return children_->currentData().toString();
}

Period RecordView::period() const {
    return Period(periods_->currentData().toInt());
}

void RecordView::choose(const QString &child, Period period) {
    fillChildren(child);
    periods_->setCurrentIndex(periods_->findData(int(period)));
    refresh();
}

QString RecordView::childLabel() const {
    return children_->currentText();
}

void RecordView::refresh() {
    const bool named = !child().isEmpty();
    rename_->setEnabled(named);
    remove_->setEnabled(named);
    if (teacher_ && teacher_->shows(child(), period()))
        return;
    showPanel(nullptr);
    showAnswers(store_.answers(child(), periodStart(period(), now_())));
}

void RecordView::setTeacher(TeacherRecord *teacher) {
    teacher_ = teacher;
}

void RecordView::showPanel(QWidget *panel) {
    if (panel && pages_->indexOf(panel) < 0)
        pages_->addWidget(panel);
    pages_->setCurrentWidget(panel ? panel : childPage_);
    for (QPushButton *button : childActions_)
        button->setVisible(!panel);
}

void RecordView::showStatus(const QString &text) {
    status_->setText(text);
}

void RecordView::showAnswers(const QList<AnswerRecord> &answers) {
    answers_ = answers;
    const QList<ExerciseSummary> summaries = RecordStatistics::perExercise(answers_);
    QList<QStringList> rows;
    for (const ExerciseSummary &s : summaries)
        rows << RecordFormat::exerciseRow(s);
    fill(exercises_, rows, {1, 2, 3, 4});
    rows.clear();
    for (const Mistake &m : RecordStatistics::frequentMistakes(answers_, mistakesShown))
        rows << RecordFormat::mistakeRow(m);
    fill(mistakes_, rows, {1, 4});
    chart_->showDays(RecordStatistics::perDay(answers_));

    int right = 0;
    for (const AnswerRecord &a : answers_)
        right += a.right ? 1 : 0;
    status_->setText(answers_.isEmpty()
                         ? QStringLiteral("In diesem Zeitraum wurde nicht geübt.")
                         : QStringLiteral("%1 Antworten, davon %2 richtig und %3 falsch.")
                               .arg(answers_.size())
                               .arg(right)
                               .arg(answers_.size() - right));
}

QString RecordView::summaryText() const {
    return RecordFormat::summaryText(childLabel(), periodName(period()),
                                     RecordStatistics::perExercise(answers_),
                                     RecordStatistics::frequentMistakes(answers_, mistakesShown));
}
