#include "RecordCsv.h"

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

QByteArray answersToCsv(const QList<AnswerRecord> &answers) {
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = QStringLiteral("Kind;Übung;Zahlenraum;Aufgabe;Antwort;Ergebnis;Versuch;"
                                  "Datum;Uhrzeit;Sekunden\r\n");
    for (const AnswerRecord &answer : answers) {
        const QStringList cells = {
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
        QStringList line;
        for (const QString &value : cells)
            line << RecordCsv::cell(value);
        text += line.join(QLatin1Char(';')) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
