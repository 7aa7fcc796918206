#include "ClassPanel.h"

#include "core/record/RecordCsv.h"
#include "ui/Button.h"
#include "ui/Dialogs.h"
#include "ui/record/RecordFormat.h"
#include "ui/record/RecordWidgets.h"
#include "ui/worksheets/WorksheetOutput.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using RecordWidgets::labelFor;

// Light enough that the figures stay easy to read on them and on paper.
QColor bandColour(Band band) {
    switch (band) {
    case Band::Green:
        return QColor(0xc8, 0xe6, 0xc9);
    case Band::Yellow:
        return QColor(0xff, 0xf1, 0xb0);
    case Band::Red:
        return QColor(0xf6, 0xc4, 0xc4);
    case Band::None:
        break;
    }
    return QColor();
}

QTableWidgetItem *item(const QString &text, bool figure = false) {
    auto *cell = new QTableWidgetItem(text);
    if (figure)
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return cell;
}

QString day(const QDate &date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

ClassPanel::ClassPanel(WorksheetOutput &output, QWidget *parent)
    : QWidget(parent), output_(output), askCsvPath_(&RecordWidgets::askCsvFile) {
    setObjectName(QStringLiteral("Klassenansicht"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("Klasse"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("KlasseZustand"));
    state_->setWordWrap(true);
    table_ = RecordWidgets::table(QStringLiteral("Klassentabelle"),
                                  QStringLiteral("Klassentabelle"), {}, this);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(table_, &QTableWidget::cellActivated, this, [this](int row, int) { openRow(row); });
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 0)
            openRow(row);
    });
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &ClassPanel::headerClicked);
    mistakes_ = RecordWidgets::table(
        QStringLiteral("Klassenfehler"), QStringLiteral("Häufige Fehler der Klasse"),
        {QStringLiteral("Übung"), QStringLiteral("Zahlenraum"), QStringLiteral("Aufgabe"),
         QStringLiteral("Kinder"), QStringLiteral("Wie oft falsch"),
         QStringLiteral("Häufigste falsche Antwort")},
        this);
    layout->addWidget(heading_);
    layout->addWidget(state_);
    layout->addWidget(makeSortRow());
    layout->addWidget(table_, 3);
    layout->addWidget(new QLabel(QStringLiteral("Häufige Fehler der Klasse:"), this));
    layout->addWidget(mistakes_, 2);
    layout->addWidget(makeButtonRow());
}

QWidget *ClassPanel::makeSortRow() {
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    sortColumn_ = new QComboBox(row);
    sortColumn_->setObjectName(QStringLiteral("Sortieren"));
    descending_ = new QCheckBox(QStringLiteral("&Absteigend"), row);
    descending_->setObjectName(QStringLiteral("Absteigend"));
    connect(sortColumn_, &QComboBox::activated, this, &ClassPanel::sortChosen);
    connect(descending_, &QCheckBox::toggled, this, &ClassPanel::sortChosen);
    keepMonths_ = new QSpinBox(row);
    keepMonths_->setObjectName(QStringLiteral("Aufbewahrung"));
    keepMonths_->setRange(Retention::leastMonths, Retention::mostMonths);
    keepMonths_->setSuffix(QStringLiteral(" Monate"));
    connect(keepMonths_, &QSpinBox::editingFinished, this,
            [this] { emit keepMonthsChosen(keepMonths_->value()); });
    keeping_ = new QLabel(row);
    keeping_->setObjectName(QStringLiteral("Aufbewahrungshinweis"));
    keeping_->setWordWrap(true);
    layout->addWidget(labelFor(sortColumn_, QStringLiteral("&Sortieren nach:"), row));
    layout->addWidget(sortColumn_);
    layout->addWidget(descending_);
    layout->addSpacing(24);
    layout->addWidget(labelFor(keepMonths_, QStringLiteral("Antworten auf&bewahren:"), row));
    layout->addWidget(keepMonths_);
    layout->addWidget(keeping_, 1);
    return row;
}

QWidget *ClassPanel::makeButtonRow() {
    struct Entry {
        const char *name;
        const char *caption;
        std::function<void(ClassPanel *)> click;
    };
    const Entry entries[] = {
        {"ArbeitsblaetterKlasse", "Arbeitsblätter für die Klasse",
         [](ClassPanel *p) { emit p->worksheetsRequested(); }},
        {"KlasseCSV", "CSV der Tabelle", &ClassPanel::saveTableCsv},
        {"KlasseAntwortenCSV", "CSV aller Antworten",
         [](ClassPanel *p) { emit p->answersCsvRequested(); }},
        {"KlasseDrucken", "Tabelle drucken", &ClassPanel::print},
        {"KlassePDF", "Tabelle als PDF", &ClassPanel::savePdf},
    };
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const Entry &e : entries) {
        auto *button = new Button(QString::fromUtf8(e.caption), row);
        button->setObjectName(QString::fromLatin1(e.name));
        connect(button, &QPushButton::clicked, this, [this, click = e.click] { click(this); });
        layout->addWidget(button);
    }
    layout->addStretch();
    return row;
}

void ClassPanel::showLoading(const QString &className, const QString &period,
                             const QList<ClassTable::Child> &children,
                             const ClassQueries::Keeping &keeping) {
    className_ = className;
    period_ = period;
    children_ = children;
    heading_->setText(QStringLiteral("Klasse %1, Zeitraum: %2").arg(className, period));
    state_->setText(QStringLiteral("Die Zahlen der Klasse kommen vom Klassenserver …"));
    keepMonths_->setValue(keeping.months > 0 ? keeping.months : Retention::defaultMonths);
    keeping_->setText(
        QStringLiteral("Ältere Antworten löscht das Programm einer Lehrkraft einmal am Tag "
                       "auf dem Klassenserver%1.")
            .arg(keeping.lastCleanup.isValid()
                     ? QStringLiteral(" (zuletzt am %1)").arg(day(keeping.lastCleanup.date()))
                     : QString()));
    rows_ = ClassTable::rows(children, {});
    exercises_.clear();
    fillTable();
    fillMistakes({});
}

void ClassPanel::showFigures(const QList<ClassCell> &cells,
                             const ClassQueries::MistakeCounts &mistakes) {
    rows_ = ClassTable::rows(children_, cells);
    exercises_ = ClassTable::exercises(rows_);
    int practised = 0;
    for (const ClassRow &row : rows_)
        practised += row.lastDay.isNull() ? 0 : 1;
    state_->setText(
        QStringLiteral("%1 von %2 Kindern haben in diesem Zeitraum geübt. Jede Zelle: beim ersten "
                       "Versuch richtig, von wie vielen Aufgaben, und die Farbe "
                       "(grün ab 80 %, gelb ab 50 %, rot darunter).")
            .arg(practised)
            .arg(rows_.size()));
    fillTable();
    fillMistakes(ClassMistakes::shape(mistakes.taskTotals, mistakes.givens,
                                      mistakes.childrenPractised, mistakesShown));
}

void ClassPanel::showFailure(const QString &text) {
    state_->setText(text);
}

void ClassPanel::fillTable() {
    const QString keep = sortColumn_->currentText();
    QStringList columns{QStringLiteral("Kind")};
    for (const QString &exercise : exercises_)
        columns << exercise.trimmed();
    columns << QStringLiteral("Zuletzt geübt") << QStringLiteral("Übungszeit");
    sortColumn_->clear();
    sortColumn_->addItems(columns);
    sortColumn_->setCurrentIndex(qMax(0, sortColumn_->findText(keep)));
    table_->clear();
    table_->setColumnCount(int(columns.size()));
    table_->setHorizontalHeaderLabels(columns);
    sortChosen();
}

void ClassPanel::sortChosen() {
    sortBy(sortColumn_->currentIndex(), !descending_->isChecked());
}

void ClassPanel::headerClicked(int section) {
    const bool same = section == sortColumn_->currentIndex();
    sortColumn_->setCurrentIndex(section);
    // The same column again turns the order round; the signal sorts.
    if (same)
        descending_->toggle();
    else
        sortChosen();
}

void ClassPanel::sortBy(int column, bool ascending) {
    const int exerciseCount = int(exercises_.size());
    ClassTable::Column kind = ClassTable::Column::Name;
    if (column >= 1 && column <= exerciseCount)
        kind = ClassTable::Column::Exercise;
    else if (column == exerciseCount + 1)
        kind = ClassTable::Column::LastDay;
    else if (column == exerciseCount + 2)
        kind = ClassTable::Column::PracticeTime;
    rows_ = ClassTable::sorted(rows_, kind, exercises_.value(column - 1), ascending);
    table_->horizontalHeader()->setSortIndicatorShown(true);
    table_->horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder
                                                                   : Qt::DescendingOrder);
    table_->setRowCount(int(rows_.size()));
    for (int r = 0; r < rows_.size(); ++r) {
        const ClassRow &row = rows_[r];
        auto *name = item(row.name);
        name->setToolTip(QStringLiteral("Öffnet den Lernstand von %1").arg(row.name));
        table_->setItem(r, 0, name);
        for (int c = 0; c < exerciseCount; ++c) {
            const ClassCell cell = row.cells.value(exercises_[c]);
            auto *figure = item(ClassTable::cellText(cell), true);
            if (cell.tasks > 0)
                figure->setBackground(bandColour(ClassTable::band(cell)));
            else
                figure->setData(Qt::AccessibleTextRole, QStringLiteral("nicht geübt"));
            table_->setItem(r, c + 1, figure);
        }
        table_->setItem(r, exerciseCount + 1, item(day(row.lastDay), true));
        table_->setItem(r, exerciseCount + 2,
                        item(row.lastDay.isNull()
                                 ? QString()
                                 : RecordFormat::duration(row.practiceMilliseconds),
                             true));
    }
}

void ClassPanel::fillMistakes(const QList<ClassMistake> &mistakes) {
    const QLocale german(QLocale::German, QLocale::Germany);
    mistakes_->setRowCount(int(mistakes.size()));
    for (int r = 0; r < mistakes.size(); ++r) {
        const ClassMistake &m = mistakes[r];
        const QStringList cells{
            m.exercise.trimmed(),        german.toString(m.range), m.task,
            german.toString(m.children), german.toString(m.wrong), m.commonGiven};
        for (int c = 0; c < cells.size(); ++c)
            mistakes_->setItem(r, c, item(cells[c], c == 1 || c == 3 || c == 4));
    }
}

void ClassPanel::openRow(int row) {
    if (row >= 0 && row < rows_.size())
        emit childOpened(rows_[row].childId);
}

QString ClassPanel::tableText() const {
    QStringList lines{QStringLiteral("Klasse %1, Zeitraum: %2").arg(className_, period_),
                      QStringLiteral("Beim ersten Versuch richtig, von wie vielen Aufgaben, Farbe "
                                     "(grün ab 80 %, gelb ab 50 %, rot darunter)"),
                      QString()};
    for (const ClassRow &row : rows_) {
        lines << row.name;
        for (const QString &exercise : exercises_)
            if (row.cells.contains(exercise))
                lines << QStringLiteral("    %1: %2")
                             .arg(exercise.trimmed(), ClassTable::cellText(row.cells[exercise]));
        lines << (row.lastDay.isNull() ? QStringLiteral("    nicht geübt")
                                       : QStringLiteral("    zuletzt geübt am %1, Übungszeit %2")
                                             .arg(day(row.lastDay), RecordFormat::duration(
                                                                        row.practiceMilliseconds)));
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString ClassPanel::askCsvPath(const QString &title, const QString &fileStart) {
    static const QRegularExpression unsafe(QStringLiteral("[^\\w -]+"));
    const QString suggested = QDir::home().filePath(
        QStringLiteral("%1-%2-%3.csv")
            .arg(fileStart, QString(className_).replace(unsafe, QStringLiteral("_")),
                 QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    return askCsvPath_(this, title, suggested);
}

void ClassPanel::saveTableCsv() {
    const QString path = askCsvPath(QStringLiteral("Klassentabelle als CSV-Datei speichern"),
                                    QStringLiteral("Klasse"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(classTableToCsv(rows_, exercises_)) < 0 ||
        !file.commit())
        msgBox(QStringLiteral("Die CSV-Datei konnte nicht geschrieben werden!\r"),
               MsgIcon::Critical, MsgButtons::Ok, QStringLiteral("CSV"));
}

void ClassPanel::print() {
    output_.print(WorksheetOutput::Document::Record, tableText());
}

void ClassPanel::savePdf() {
    output_.savePdf(WorksheetOutput::Document::Record, tableText(), QStringLiteral("PDF"));
}
