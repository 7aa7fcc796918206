// The worksheet's task types: the list, which recipe each type runs, and the
// three types that draw through the rules of their exercise.
#include "Fractions.h"
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/structure/NumberFamilyRules.h"
#include "core/worksheets/WorksheetRecipes.h"
#include "core/worksheets/WorksheetTasks.h"

#include <QTest>

using namespace WorksheetRecipes;

namespace {
using Recipe = QString (*)(int range);
} // namespace
Q_DECLARE_METATYPE(Recipe)

class WorksheetTasksTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Random::seed(1); }

    void typesInListOrder();
    void typeRunsItsRecipe_data();
    void typeRunsItsRecipe();
    void wordsTaskDrawsOneWord();
    void familyTaskDrawsAsTheExerciseDoes();
    void orderingTaskDrawsAsTheExerciseDoes();
    void unknownTypeAppendsNothing();
    void smallestRangesNeverHang_data();
    void smallestRangesNeverHang();
};

void WorksheetTasksTest::typesInListOrder() {
    const QStringList expected = {QStringLiteral("<  =  >"),
                                  "Ordnen",
                                  "Ziffern",
                                  QStringLiteral("Wörter"),
                                  "Bilder",
                                  "Mengen",
                                  "Strahl",
                                  "Familie",
                                  "Nachbarn",
                                  "Zerlegen",
                                  QStringLiteral("Zählen")};
    QCOMPARE(WorksheetTasks::types(), expected);
    QCOMPARE(WorksheetTasks::types().at(WorksheetTasks::wordsIndex), QStringLiteral("Wörter"));
}

void WorksheetTasksTest::typeRunsItsRecipe_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<Recipe>("recipe");
    const QList<QPair<QString, Recipe>> types = {
        {QStringLiteral("<  =  >"), comparisonLine},
        {QStringLiteral("Ziffern"), digitsLine},
        {QStringLiteral("Bilder"), picturesLine},
        {QStringLiteral("Mengen"), quantitiesLine},
        {QStringLiteral("Strahl"), [](int) { return numberLineLines(); }},
        {QStringLiteral("Nachbarn"), neighboursLine},
        {QStringLiteral("Zerlegen"), decompositionLine},
        {QStringLiteral("Zählen"), countingLine},
    };
    for (const auto &[type, recipe] : types)
        QTest::addRow("%s", qPrintable(type)) << type << recipe;
}

void WorksheetTasksTest::typeRunsItsRecipe() {
    QFETCH(QString, type);
    QFETCH(Recipe, recipe);
    Random::seed(4711);
    const QString expected = recipe(1000);
    Random::seed(4711);
    QCOMPARE(WorksheetTasks::taskText(type, 1000), expected);
}

void WorksheetTasksTest::wordsTaskDrawsOneWord() {
    Random::script({fractionFor(345, 1000)});
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("Wörter"), 1000),
             QStringLiteral("________ = dreihundertfünfundvierzig\r\n"));
    QCOMPARE(Random::scriptLeft(), 0);
}

void WorksheetTasksTest::familyTaskDrawsAsTheExerciseDoes() {
    Random::seed(11);
    const NumberFamilyTask family = NumberFamilyRules::draw(1000);
    Random::seed(11);
    const QString line = WorksheetTasks::taskText(QStringLiteral("Familie"), 1000);
    QCOMPARE(line, familyLine(family.members));
    // The tenth member is the one to find: it is not on the sheet.
    QVERIFY(!line.contains(NumberText::withBlank(family.members.back()) + QLatin1Char(',')));
    QCOMPARE(line.count(QLatin1Char(',')), 9);
}

void WorksheetTasksTest::orderingTaskDrawsAsTheExerciseDoes() {
    Random::script({fractionFor(40, 100), fractionFor(7, 100), fractionFor(93, 100),
                    fractionFor(12, 100), fractionFor(65, 100)});
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("Ordnen"), 100),
             QStringLiteral("\r\n40,   7,   93,   12,   65:\r\n"
                            "________ , ________ , ________ , ________ , ________\r\n"));
    QCOMPARE(Random::scriptLeft(), 0);
}

void WorksheetTasksTest::unknownTypeAppendsNothing() {
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("wörter"), 1000), QString());
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("< = >"), 1000), QString());
    QCOMPARE(WorksheetTasks::taskText(QString(), 1000), QString());
}

void WorksheetTasksTest::smallestRangesNeverHang_data() {
    QTest::addColumn<int>("range");
    for (int range : {-5, 0, 1, 2, 9, 10, 11, 19, 20, 21})
        QTest::addRow("%d", range) << range;
}

// Ranges the menu never offers: every type gives its lines, or no line where
// there is no task number at all, or ("Zählen") no start with ten numbers
// below and above it.
void WorksheetTasksTest::smallestRangesNeverHang() {
    QFETCH(int, range);
    for (const QString &type : WorksheetTasks::types()) {
        const QString text = WorksheetTasks::taskText(type, range);
        if (range < 1 || (type == QStringLiteral("Zählen") && range < 20))
            QCOMPARE(text, QString());
        else
            QVERIFY2(text.endsWith(QStringLiteral("\r\n")), qPrintable(type));
    }
}

QTEST_GUILESS_MAIN(WorksheetTasksTest)
#include "test_worksheet_tasks.moc"
