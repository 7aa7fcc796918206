// The worksheet's task types: the list, which recipe each type runs, and the
// three types that borrow an exercise's task routine through the real
// (hidden) exercise screens.
#include "Draws.h"
#include "Program.h"

#include "core/NumberText.h"
#include "core/Random.h"
#include "core/worksheets/WorksheetRecipes.h"
#include "exercises/quantity/Form7.h"
#include "exercises/relation/Form13.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "numbers/Form2.h"
#include "ui/Label.h"
#include "worksheets/WorksheetTasks.h"

#include <QTest>

using namespace WorksheetRecipes;

namespace {
using Recipe = QString (*)(int range);
}
Q_DECLARE_METATYPE(Recipe)

class WorksheetTasksTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void init() { Random::seed(1); }

    void typesInListOrder();
    void typeRunsItsRecipe_data();
    void typeRunsItsRecipe();
    void wordsTaskReadsTheWordsScreen();
    void familyTaskReadsTheNumberField();
    void orderingTaskReadsTheOrderingScreen();
    void unknownTypeAppendsNothing();
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
    TestProgram program;
    testApp().session().setRange(1000);
    Random::seed(4711);
    const QString expected = recipe(1000);
    Random::seed(4711);
    QCOMPARE(WorksheetTasks::taskText(type), expected);
}

void WorksheetTasksTest::wordsTaskReadsTheWordsScreen() {
    TestProgram program;
    MODUL1::session().setRange(1000);
    Random::script({fractionFor(345, 1000)});
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("Wörter")),
             QStringLiteral("________ = dreihundertfünfundvierzig\r\n"));
    QCOMPARE(Screens::get<Form2>().wordLabel()->objectName(), QStringLiteral("Bezeichnung1"));
    QVERIFY(!Screens::get<Form2>().isVisible());
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("345"));
}

void WorksheetTasksTest::familyTaskReadsTheNumberField() {
    TestProgram program;
    MODUL1::session().setRange(1000);
    Random::seed(11);
    const QString line = WorksheetTasks::taskText(QStringLiteral("Familie"));
    QCOMPARE(line, familyLine(MODUL1::Zahlenfeld));
    // The tenth member is the one to find: it is not on the sheet.
    QVERIFY(!line.contains(NumberText::withBlank(MODUL1::Zahlenfeld[10]) + QLatin1Char(',')));
    QCOMPARE(line.count(QLatin1Char(',')), 9);
    QVERIFY(!Screens::get<Form7>().isVisible());
}

void WorksheetTasksTest::orderingTaskReadsTheOrderingScreen() {
    TestProgram program;
    MODUL1::session().setRange(100);
    Random::script({fractionFor(40, 100), fractionFor(7, 100), fractionFor(93, 100),
                    fractionFor(12, 100), fractionFor(65, 100)});
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("Ordnen")),
             QStringLiteral("\r\n40,   7,   93,   12,   65:\r\n"
                            "________ , ________ , ________ , ________ , ________\r\n"));
    QCOMPARE(Screens::get<Form13>().numberLabel(1)->objectName(), QStringLiteral("Bezeichnung6"));
    QVERIFY(!Screens::get<Form13>().isVisible());
}

void WorksheetTasksTest::unknownTypeAppendsNothing() {
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("wörter")), QString());
    QCOMPARE(WorksheetTasks::taskText(QStringLiteral("< = >")), QString());
    QCOMPARE(WorksheetTasks::taskText(QString()), QString());
}

QTEST_MAIN(WorksheetTasksTest)
#include "test_worksheet_tasks.moc"
