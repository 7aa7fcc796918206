// The scripted child: a long seeded run through every screen with clicks,
// keys, slider moves, drops, menu visits, range changes and reward rounds,
// answering right about half of the time. ZUB_CHILD_SEED and
// ZUB_CHILD_ACTIONS choose the run; ZUB_CHILD_TRACE prints every action.
#include "Child.h"
#include "ExerciseSteps.h"
#include "Invariants.h"
#include "ModalBoxes.h"
#include "Players.h"
#include "Program.h"

#include "core/Random.h"
#include "ui/ExerciseScreen.h"
#include "ui/MenuScreen.h"
#include "ui/Screen.h"
#include "ui/numbers/WordsScreen.h"
#include "ui/quantities/QuantitiesScreen.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

constexpr quint32 defaultSeed = 20261209;
constexpr int defaultActions = 10000;

quint32 seedOfRun() {
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("ZUB_CHILD_SEED").toUInt(&ok);
    return ok ? seed : defaultSeed;
}

int actionsOfRun() {
    const int actions = qEnvironmentVariableIntValue("ZUB_CHILD_ACTIONS");
    return actions > 0 ? actions : defaultActions;
}

} // namespace

class ScriptedChildTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void countOffByOneIsReported();
    void menuBesideExerciseIsReported();
    void verdictOtherThanMeantIsReported();
    void worksheetIsPlayedOnceItExists();
    void playsEveryScreen();
};

void ScriptedChildTest::countOffByOneIsReported() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    Child child(1);
    program.start();
    Invariants::check(child);
    QCOMPARE(child.stats().faults.size(), 0);
    testApp().session().answerRight(); // a count that no box told
    Invariants::check(child);
    QCOMPARE(child.stats().faults.size(), 1);
    QVERIFY(child.stats().faults.first().contains(QStringLiteral("the count is 1")));
    Invariants::check(child); // the same difference is told once
    QCOMPARE(child.stats().faults.size(), 1);
}

void ScriptedChildTest::menuBesideExerciseIsReported() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    Child child(1);
    program.start();
    testApp().quantities().display();
    Invariants::check(child);
    QCOMPARE(child.stats().faults.size(), 1);
    QVERIFY(child.stats().faults.first().contains(
        QStringLiteral("Form4 is visible together with the menu")));
}

void ScriptedChildTest::verdictOtherThanMeantIsReported() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    Child child(1);
    // A child that opens the words exercise and gives a wrong answer as a right one.
    child.addPlayer(QStringLiteral("Form1"), [](Child &c, QWidget *menu) {
        c.once(QStringLiteral("Wörter"), [menu] {
            QTest::mouseClick(menu->findChild<QPushButton *>(QStringLiteral("Befehl3")),
                              Qt::LeftButton);
        });
    });
    child.addPlayer(QStringLiteral("Form2"), [](Child &c, QWidget *screen) {
        auto *words = static_cast<WordsScreen *>(screen);
        ExerciseSteps::typeAnswer(c, words,
                                  screen->findChild<QLabel *>(QStringLiteral("Bezeichnung2")),
                                  words->task().expected + QStringLiteral("0"), Expect::Right);
    });
    program.start();
    child.run(6);
    QVERIFY(!child.stats().faults.isEmpty());
    QVERIFY2(child.stats().faults.first().contains(
                 QStringLiteral("was meant right but brought 0 right and 1 wrong boxes")),
             qPrintable(child.stats().faults.first()));
}

// A stand-in for the worksheet dialog with its control names: " Übung" adds a
// line, "Abbruch" and the close box go back to the menu.
class StandInWorksheet : public Screen {
public:
    StandInWorksheet() : Screen(QStringLiteral("Form11"), QStringLiteral("Arbeitsblatt")) {
        auto *types = new QComboBox(this);
        types->setObjectName(QStringLiteral("Kombi1"));
        types->addItems({QStringLiteral("Ziffern"), QStringLiteral("Wörter")});
        auto *text = new QPlainTextEdit(this);
        text->setObjectName(QStringLiteral("Text1"));
        text->setGeometry(0, 40, 300, 200);
        connect(addButton(QStringLiteral("Befehl3"), QStringLiteral(" Übung"), {0, 0, 60, 30}),
                &QPushButton::clicked, text,
                [text] { text->setPlainText(text->toPlainText() + QStringLiteral("1 = __\r\n")); });
        connect(addButton(QStringLiteral("Befehl1"), QStringLiteral("Abbruch"), {70, 0, 60, 30}),
                &QPushButton::clicked, this, &StandInWorksheet::closeBox);
    }

protected:
    void closeBox() override {
        hide();
        testApp().menu().display();
    }
};

void ScriptedChildTest::worksheetIsPlayedOnceItExists() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    Child child(17);
    registerPlayers(child);
    MenuScreen &menu = program.start();
    menu.setWorksheetScreen([] { return &standIn<StandInWorksheet>(); });
    Random::seed(17); // the menu seeded from the clock; the run must repeat
    child.run(3000);
    QVERIFY2(child.stats().faults.isEmpty(),
             qPrintable(child.stats().faults.join(QLatin1Char('\n'))));
    QVERIFY(child.stats().actionsPerScreen.value(QStringLiteral("Form11")) > 0);
}

void ScriptedChildTest::playsEveryScreen() {
    const quint32 seed = seedOfRun();
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    Child child(seed);
    registerPlayers(child);
    program.start();
    Random::seed(seed); // the menu seeded from the clock; the run must repeat
    child.run(actionsOfRun());

    const ChildStats &stats = child.stats();
    std::fputs(qPrintable(stats.summary(seed)), stdout);
    std::fflush(stdout);
    QVERIFY2(stats.faults.isEmpty(), qPrintable(stats.faults.join(QLatin1Char('\n'))));
    for (const char *name : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8",
                             "Form9", "Form10", "Form11", "Form12", "Form13", "memo"})
        QVERIFY2(stats.actionsPerScreen.value(QString::fromLatin1(name)) > 0, name);
    QVERIFY(stats.rewards > 0);
    QVERIFY(stats.richtigBoxes > 0 && stats.fehlerBoxes > 0);
    QCOMPARE(child.boxes().unexpected, 0);
}

QTEST_MAIN(ScriptedChildTest)
#include "test_scripted_child.moc"
