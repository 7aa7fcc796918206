#include "TaskDescriptions.h"

#include "core/NumberText.h"
#include "core/relations/CountingRules.h"

namespace TaskDescriptions {

namespace {

using NumberText::grouped;

QString groupedList(const int *numbers, int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << grouped(numbers[i]);
    return texts.join(QStringLiteral(", "));
}

QString filled(const QStringList &boxes, const QString &separator) {
    QStringList texts;
    for (const QString &box : boxes)
        texts << (box.isEmpty() ? QStringLiteral("_") : box);
    return texts.join(separator);
}

QString placeName(const QString &place) {
    if (place == QLatin1String("Z"))
        return QStringLiteral("Zehner");
    if (place == QLatin1String("H"))
        return QStringLiteral("Hunderter");
    if (place == QLatin1String("T"))
        return QStringLiteral("Tausender");
    return QStringLiteral("Einer");
}

} // namespace

QString blocks(const BlockCounts &counts) {
    return QStringLiteral("%1 T, %2 H, %3 Z, %4 E")
        .arg(counts.thousands)
        .arg(counts.hundreds)
        .arg(counts.tens)
        .arg(counts.ones);
}

ShownTask of(const DigitsTask &task, const QString &given) {
    return {QStringLiteral("Ziffern"),
            QStringLiteral("Ziffern stellen: ") + grouped(NumberText::wholeNumber(task.expected)),
            given};
}

ShownTask of(const WordsTask &task, const QString &given) {
    return {QStringLiteral("Wörter"), QStringLiteral("Zahlwort: ") + task.word, given};
}

ShownTask of(const QuantitiesTask &task) {
    return {QStringLiteral("Mengen"),
            QStringLiteral("Menge legen: ") + grouped(NumberText::wholeNumber(task.expected)),
            blocks(task.built)};
}

ShownTask of(const PicturesTask &task, const QString &given) {
    return {QStringLiteral("Bilder"), QStringLiteral("Bild: ") + blocks(task.blocks), given};
}

ShownTask of(const NumberLineTask &task, const QString &given) {
    return {QStringLiteral("Strahl"),
            QStringLiteral("Strahl von %1 bis %2, Schritt %3: Mitte")
                .arg(grouped(task.leftEnd), grouped(task.rightEnd), grouped(task.step)),
            given};
}

ShownTask of(const NumberFamilyTask &task, const QString &given) {
    return {QStringLiteral("Familie"),
            QStringLiteral("Familie: ") +
                groupedList(task.members.data(), NumberFamilyTask::shownCount),
            given};
}

ShownTask of(const DecompositionTask &task, const QString &given) {
    return {QStringLiteral("Zerlegen"), QStringLiteral("Zerlegen: ") + grouped(task.number), given};
}

ShownTask of(const NeighboursTask &task, const QString &given) {
    const bool predecessor = task.kind == NeighboursTask::Kind::Predecessor;
    return {QStringLiteral("Nachbarn"),
            QStringLiteral("Nachbarn (%1) von %2: %3")
                .arg(placeName(task.place), grouped(task.shown),
                     predecessor ? QStringLiteral("Vorgänger") : QStringLiteral("Nachfolger")),
            given};
}

ShownTask of(const ComparisonTask &task, const QStringList &signs) {
    return {QStringLiteral("<  =  >"),
            QStringLiteral("Vergleichen: ") +
                groupedList(task.numbers.constData(), int(task.numbers.size())),
            filled(signs, QStringLiteral(" "))};
}

ShownTask of(const CountingTask &task, const QString &given) {
    return {QStringLiteral("Zählen"),
            QStringLiteral("Zählen (%1) ab %2: Kästchen %3")
                .arg(CountingRules::stepText(task.step.up, task.step.width), grouped(task.start))
                .arg(task.box),
            given};
}

ShownTask of(const OrderingTask &task, const QStringList &boxes) {
    return {QStringLiteral("Ordnen"),
            QStringLiteral("Ordnen: ") + groupedList(task.shown.data(), int(task.shown.size())),
            filled(boxes, QStringLiteral(", "))};
}

} // namespace TaskDescriptions
