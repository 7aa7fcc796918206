#include "WorksheetTasks.h"

#include "WorksheetKey.h"
#include "WorksheetRecipes.h"
#include "core/numbers/WordsRules.h"
#include "core/relations/OrderingRules.h"
#include "core/structure/NumberFamilyRules.h"

namespace WorksheetTasks {

namespace {

// Three types draw exactly as their exercise's new task does.
QString wordsTask(int range) {
    return WorksheetRecipes::wordsLine(WordsRules::draw(range).word);
}

QString familyTask(int range) {
    const NumberFamilyTask task = NumberFamilyRules::draw(range);
    return WorksheetRecipes::familyLine(task.members);
}

QString orderingTask(int range) {
    const OrderingTask task = OrderingRules::drawTask(range);
    return WorksheetRecipes::orderingLines(OrderingRules::shownTexts(task));
}

struct TaskType {
    QString name;
    QString (*text)(int range);
    WorksheetKey::Rule key; // fills in the answers of what `text` appended
};

// The types in the order of the list; the first matching name wins.
const QList<TaskType> &table() {
    using namespace WorksheetRecipes;
    using namespace WorksheetKey;
    static const QList<TaskType> list = {
        {QStringLiteral("<  =  >"), comparisonLine, solveComparison},
        {QStringLiteral("Ordnen"), orderingTask, solveOrdering},
        {QStringLiteral("Ziffern"), digitsLine, solveDigits},
        {QStringLiteral("Wörter"), wordsTask, solveWords},
        {QStringLiteral("Bilder"), picturesLine, solvePictures},
        {QStringLiteral("Mengen"), quantitiesLine, solveQuantities},
        {QStringLiteral("Strahl"), [](int) { return numberLineLines(); }, solveNumberLine},
        {QStringLiteral("Familie"), familyTask, solveFamily},
        {QStringLiteral("Nachbarn"), neighboursLine, solveNeighbours},
        {QStringLiteral("Zerlegen"), decompositionLine, solveDecomposition},
        {QStringLiteral("Zählen"), countingLine, solveCounting},
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

WorksheetKey::Rule keyRule(const QString &type) {
    for (const TaskType &entry : table())
        if (entry.name == type)
            return entry.key;
    return nullptr;
}

QString taskText(const QString &type, int range) {
    // No task number lies in 1 .. range: no task at all.
    if (range < 1)
        return QString();
    for (const TaskType &entry : table())
        if (entry.name == type)
            return entry.text(range);
    return QString();
}

} // namespace WorksheetTasks
