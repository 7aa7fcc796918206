#include "RecordCsv.h"

#include "ClassTable.h"

#include <QLocale>

namespace RecordCsv {

QString cell(const QString &text) {
    QString value = text;
    // A spreadsheet would run these as formulas.
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (!value.isEmpty() && formulaStarts.contains(value.front()))
        value.prepend(QLatin1Char('\''));
    if (value.contains(QLatin1Char(';')) || value.contains(QLatin1Char('"')) ||
        value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))) {
        value.replace(QLatin1String("\""), QLatin1String("\"\""));
        value = QLatin1Char('"') + value + QLatin1Char('"');
    }
    return value;
}

} // namespace RecordCsv

namespace {

QLocale germanFigures() {
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    return german;
}

// Header and rows, each cell made safe, as a spreadsheet opens them.
QByteArray csvDocument(const QStringList &header, const QList<QStringList> &rows) {
    QString text = header.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    for (const QStringList &cells : rows) {
        QStringList line;
        for (const QString &value : cells)
            line << RecordCsv::cell(value);
        text += line.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace

QByteArray answersToCsv(const QList<AnswerRecord> &answers) {
    const QLocale german = germanFigures();
    QList<QStringList> rows;
    for (const AnswerRecord &answer : answers)
        rows << QStringList{
            answer.child,
            answer.exercise,
            QString::number(answer.range),
            answer.task,
            answer.given,
            answer.right ? QStringLiteral("richtig") : QStringLiteral("falsch"),
            QString::number(answer.attempt),
            answer.at.toString(QStringLiteral("dd.MM.yyyy")),
            answer.at.toString(QStringLiteral("HH:mm:ss")),
            german.toString(answer.millisecondsShown / 1000.0, 'f', 1),
        };
    return csvDocument(QStringLiteral("Kind;Übung;Zahlenraum;Aufgabe;Antwort;Ergebnis;Versuch;"
                                      "Datum;Uhrzeit;Sekunden")
                           .split(QLatin1Char(';')),
                       rows);
}

QByteArray classTableToCsv(const QList<ClassRow> &rows, const QStringList &exercises) {
    const QLocale german = germanFigures();
    QStringList header{QStringLiteral("Kind")};
    for (const QString &exercise : exercises)
        header << RecordCsv::cell(exercise.trimmed() +
                                  QStringLiteral(" beim ersten Versuch richtig (%)"))
               << RecordCsv::cell(exercise.trimmed() + QStringLiteral(" Aufgaben"))
               << RecordCsv::cell(exercise.trimmed() + QStringLiteral(" Farbe"));
    header << QStringLiteral("Zuletzt geübt") << QStringLiteral("Übungszeit (Minuten)");
    QList<QStringList> lines;
    for (const ClassRow &row : rows) {
        QStringList cells{row.name};
        for (const QString &exercise : exercises) {
            const ClassCell cell = row.cells.value(exercise);
            const bool practised = cell.tasks > 0;
            cells << (practised ? QString::number(ClassTable::share(cell)) : QString())
                  << (practised ? QString::number(cell.tasks) : QString())
                  << ClassTable::bandWord(ClassTable::band(cell));
        }
        cells << row.lastDay.toString(QStringLiteral("dd.MM.yyyy"))
              << (row.lastDay.isNull()
                      ? QString()
                      : german.toString(row.practiceMilliseconds / 60000.0, 'f', 1));
        lines << cells;
    }
    return csvDocument(header, lines);
}
