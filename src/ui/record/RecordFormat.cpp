#include "RecordFormat.h"

#include <QLocale>

namespace RecordFormat {

namespace {

QLocale german() {
    return QLocale(QLocale::German, QLocale::Germany);
}

QString ranges(const QList<int> &list) {
    QStringList texts;
    for (int range : list)
        texts << german().toString(range);
    return texts.join(QStringLiteral(", "));
}

} // namespace

const QStringList &exerciseColumns() {
    static const QStringList columns = {
        QStringLiteral("Übung"),
        QStringLiteral("Aufgaben"),
        QStringLiteral("Beim ersten Versuch richtig"),
        QStringLiteral("Versuche je Aufgabe"),
        QStringLiteral("Übungszeit"),
        QStringLiteral("Zahlenräume"),
    };
    return columns;
}

const QStringList &mistakeColumns() {
    static const QStringList columns = {
        QStringLiteral("Übung"),   QStringLiteral("Zahlenraum"),     QStringLiteral("Aufgabe"),
        QStringLiteral("Gegeben"), QStringLiteral("Wie oft falsch"),
    };
    return columns;
}

QStringList exerciseRow(const ExerciseSummary &s) {
    return {s.exercise.trimmed(),
            german().toString(s.tasks),
            german().toString(s.firstTryPercent, 'f', 0) + QStringLiteral(" %"),
            german().toString(s.triesPerTask, 'f', 1),
            duration(s.practiceMilliseconds),
            ranges(s.ranges)};
}

QStringList mistakeRow(const Mistake &m) {
    return {m.exercise.trimmed(), german().toString(m.range), m.task,
            m.given.join(QStringLiteral(" / ")), german().toString(m.count)};
}

QString duration(qint64 milliseconds) {
    const qint64 seconds = (milliseconds + 500) / 1000;
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    const qint64 minutes = seconds / 60;
    if (minutes < 60)
        return QStringLiteral("%1 min %2 s").arg(minutes).arg(seconds % 60);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString summaryText(const QString &child, const QString &period,
                    const QList<ExerciseSummary> &exercises, const QList<Mistake> &mistakes) {
    QStringList lines;
    lines << QStringLiteral("Lernstand: %1, %2").arg(child, period) << QString();
    if (exercises.isEmpty())
        lines << QStringLiteral("In diesem Zeitraum wurde nicht geübt.");
    for (const ExerciseSummary &s : exercises) {
        const QStringList cells = exerciseRow(s);
        lines << QStringLiteral("%1: %2 Aufgaben, %3 beim ersten Versuch richtig, "
                                "%4 Versuche je Aufgabe, %5, Zahlenraum %6")
                     .arg(cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]);
    }
    if (!mistakes.isEmpty())
        lines << QString() << QStringLiteral("Häufige Fehler:");
    for (const Mistake &m : mistakes) {
        const QStringList cells = mistakeRow(m);
        lines << QStringLiteral("%1 (bis %2): %3, gegeben %4, %5-mal falsch")
                     .arg(cells[0], cells[1], cells[2], cells[3], cells[4]);
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace RecordFormat
