#include "WorksheetTasks.h"

#include "core/Session.h"
#include "core/worksheets/WorksheetRecipes.h"
#include "exercises/quantity/Form7.h"
#include "exercises/relation/Form13.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "numbers/Form2.h"
#include "ui/Label.h"

namespace WorksheetTasks {

namespace {

QString wordsTask() {
    MODUL1::NeueWoerterAufgabe();
    return WorksheetRecipes::wordsLine(Screens::get<Form2>().wordLabel()->text());
}

QString familyTask() {
    MODUL1::NeueFamilienAufgabe();
    return WorksheetRecipes::familyLine(MODUL1::Zahlenfeld);
}

QString orderingTask() {
    MODUL1::NeueOrdnungsAufgabe();
    Form13 &screen = Screens::get<Form13>();
    QStringList numbers;
    for (int k = 1; k <= Form13::columnCount; ++k)
        numbers << screen.numberLabel(k)->text();
    return WorksheetRecipes::orderingLines(numbers);
}

struct TaskType {
    QString name;
    QString (*text)(int range);
};

// The types in the order of the list; the first matching name wins.
const QList<TaskType> &table() {
    using namespace WorksheetRecipes;
    static const QList<TaskType> list = {
        {QStringLiteral("<  =  >"), comparisonLine},
        {QStringLiteral("Ordnen"), [](int) { return orderingTask(); }},
        {QStringLiteral("Ziffern"), digitsLine},
        {QStringLiteral("Wörter"), [](int) { return wordsTask(); }},
        {QStringLiteral("Bilder"), picturesLine},
        {QStringLiteral("Mengen"), quantitiesLine},
        {QStringLiteral("Strahl"), [](int) { return numberLineLines(); }},
        {QStringLiteral("Familie"), [](int) { return familyTask(); }},
        {QStringLiteral("Nachbarn"), neighboursLine},
        {QStringLiteral("Zerlegen"), decompositionLine},
        {QStringLiteral("Zählen"), countingLine},
    };
    return list;
}

} // namespace

const QStringList &types() {
    static const QStringList names = [] {
        QStringList list;
        for (const TaskType &type : table())
            list << type.name;
        return list;
    }();
    return names;
}

QString taskText(const QString &type) {
    for (const TaskType &entry : table())
        if (entry.name == type)
            return entry.text(MODUL1::session().range());
    return QString();
}

} // namespace WorksheetTasks
