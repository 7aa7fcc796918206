#include "WorksheetTasks.h"

#include "WorksheetRecipes.h"
#include "core/Session.h"
#include "core/structure/NumberFamilyRules.h"
#include "core/relations/OrderingRules.h"
#include "core/numbers/WordsRules.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"

namespace WorksheetTasks {

namespace {

QString wordsTask() {
    return WorksheetRecipes::wordsLine(WordsRules::draw(MODUL1::session()).word);
}

QString familyTask() {
    // The same draws as a new task on the family screen, without the screen.
    const NumberFamilyTask task = NumberFamilyRules::draw(MODUL1::session().range());
    return WorksheetRecipes::familyLine(task.members);
}

QString orderingTask() {
    const OrderingTask task = OrderingRules::drawTask(MODUL1::session().range());
    return WorksheetRecipes::orderingLines(OrderingRules::shownTexts(task));
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
