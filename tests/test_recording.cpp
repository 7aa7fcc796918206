// The learning record as the program writes it: every exercise screen reports
// its judged answers with exercise, task, given answer and try; rewards are
// events; a record that cannot be written is told once and practice goes on.
#include "ModalBoxes.h"
#include "Program.h"

#include "app/App.h"
#include "ui/ExerciseScreen.h"
#include "ui/Label.h"
#include "ui/numbers/DigitsScreen.h"
#include "ui/numbers/WordsScreen.h"
#include "ui/quantities/PicturesScreen.h"
#include "ui/quantities/QuantitiesScreen.h"
#include "ui/relations/ComparisonScreen.h"
#include "ui/relations/CountingScreen.h"
#include "ui/relations/NeighboursScreen.h"
#include "ui/relations/OrderingScreen.h"
#include "ui/structure/DecompositionScreen.h"
#include "ui/structure/NumberFamilyScreen.h"
#include "ui/structure/NumberLineScreen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using ScreenOf = ExerciseScreen *(*)(App &);
Q_DECLARE_METATYPE(ScreenOf)

class RecordingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void everyScreenRecordsItsAnswers_data();
    void everyScreenRecordsItsAnswers();
    void answerEmptiedBeforeTheBoxIsRecorded();
    void rewardIsAnEventOfTheChild();
    void unwritableRecordIsToldOnce();
    void recordOthersMayReadIsTold();
};

void RecordingTest::everyScreenRecordsItsAnswers_data() {
    QTest::addColumn<ScreenOf>("screen");
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<QString>("task");
    QTest::newRow("Ziffern") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.digits(); })
                             << "Ziffern"
                             << "Ziffern stellen: ";
    QTest::newRow("Wörter") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.words(); })
                            << "Wörter"
                            << "Zahlwort: ";
    QTest::newRow("Mengen") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.quantities(); })
                            << "Mengen"
                            << "Menge legen: ";
    QTest::newRow("Bilder") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.pictures(); })
                            << "Bilder"
                            << "Bild: ";
    QTest::newRow("Strahl") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.numberLine(); })
                            << "Strahl"
                            << "Strahl von ";
    QTest::newRow("Familie") << ScreenOf([](App &a) -> ExerciseScreen * {
        return &a.numberFamily();
    }) << "Familie"
                             << "Familie: ";
    QTest::newRow("Zerlegen") << ScreenOf([](App &a) -> ExerciseScreen * {
        return &a.decomposition();
    }) << "Zerlegen"
                              << "Zerlegen: ";
    QTest::newRow("Nachbarn") << ScreenOf([](App &a) -> ExerciseScreen * {
        return &a.neighbours();
    }) << "Nachbarn"
                              << "Nachbarn (Einer) von ";
    QTest::newRow("<  =  >") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.comparison(); })
                             << "<  =  >"
                             << "Vergleichen: ";
    QTest::newRow("Zählen") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.counting(); })
                            << "Zählen"
                            << "Zählen (";
    QTest::newRow("Ordnen") << ScreenOf([](App &a) -> ExerciseScreen * { return &a.ordering(); })
                            << "Ordnen"
                            << "Ordnen: ";
}

void RecordingTest::everyScreenRecordsItsAnswers() {
    QFETCH(ScreenOf, screen);
    QFETCH(QString, exercise);
    QFETCH(QString, task);
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    program.start();
    program.app().openRecord();
    program.app().recorder().setChild(QStringLiteral("Mia"));
    ExerciseScreen *s = screen(program.app());
    s->newTask();
    ModalBoxes boxes({"OK", "OK"});
    s->checkAnswer(); // nothing given yet: wrong, twice
    s->checkAnswer();
    QCOMPARE(boxes.unexpected, 0);
    const QList<AnswerRecord> list = program.app().recordStore().answers(QStringLiteral("Mia"));
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].exercise, exercise);
    QVERIFY2(list[0].task.startsWith(task), qPrintable(list[0].task));
    QCOMPARE(list[1].task, list[0].task);
    QCOMPARE(list[0].range, 100);
    QCOMPARE(list[0].right, false);
    QCOMPARE((QList<int>{list[0].attempt, list[1].attempt}), (QList<int>{1, 2}));
    QVERIFY(list[1].millisecondsShown >= list[0].millisecondsShown);
    QVERIFY(list[0].at.secsTo(QDateTime::currentDateTime()) < 60);
}

void RecordingTest::answerEmptiedBeforeTheBoxIsRecorded() {
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    program.start();
    program.app().openRecord();
    DecompositionScreen &screen = program.app().decomposition();
    screen.newTask();
    screen.answerField()->setText(QStringLiteral("1+2"));
    ModalBoxes boxes({"OK"});
    screen.checkAnswer();
    QCOMPARE(screen.answerField()->text(), QString());
    QCOMPARE(program.app().recordStore().answers({}).value(0).given, QStringLiteral("1+2"));
}

void RecordingTest::rewardIsAnEventOfTheChild() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    program.start();
    program.app().openRecord();
    program.app().recorder().setChild(QStringLiteral("Ben"));
    for (int i = 0; i < Session::rewardPrice; ++i)
        testApp().session().answerRight();
    testApp().session().takeReward();
    testApp().session().takeReward(); // nothing earned: no event
    const QList<RecordEvent> events = program.app().recordStore().events(QStringLiteral("Ben"));
    QCOMPARE(events.size(), 1);
    QCOMPARE(events[0].kind, QStringLiteral("Belohnung"));
}

void RecordingTest::unwritableRecordIsToldOnce() {
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("data"));
    QFile file(blocked); // a file where the record's folder should be
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    App app(blocked + QStringLiteral("/lernstand.sqlite"));
    ModalBoxes boxes({"OK", "OK", "OK", "OK"});
    app.openRecord();
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Lernstand"));
    QVERIFY(boxes.seen[0].text.contains(QStringLiteral("weiter üben")));
    NumberFamilyScreen screen(app.session());
    screen.newTask();
    screen.checkAnswer(); // practice goes on: the verdict box, nothing more
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(boxes.seen[1].title, QStringLiteral("Zahleingabe"));
    QVERIFY(QFile::remove(blocked)); // writing works again
    screen.checkAnswer();
    QCOMPARE(app.recordStore().answers({}).size(), 1);
    QCOMPARE(app.recordStore().answers({}).first().attempt, 2);
}

void RecordingTest::recordOthersMayReadIsTold() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lernstand.sqlite"));
    RecordStore(path).open();
    // A link to itself stands for a file another account left in the folder:
    // its rights cannot be changed, by root neither.
    const QString journal = path + QStringLiteral("-journal");
    QVERIFY(QFile::link(journal, journal));
    TestProgram program;
    program.writeSettings(" 2 \r\n");
    App app(path);
    ModalBoxes boxes({"OK", "OK"});
    app.openRecord();
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Lernstand"));
    QVERIFY(boxes.seen[0].text.contains(QStringLiteral("andere Benutzerkonten")));
    QVERIFY(boxes.seen[0].text.contains(journal));
    NumberFamilyScreen screen(app.session());
    screen.newTask();
    screen.checkAnswer(); // the verdict box only: the record is written
    QCOMPARE(boxes.seen.size(), 2);
    QCOMPARE(app.recordStore().answers({}).size(), 1);
}

QTEST_MAIN(RecordingTest)
#include "test_recording.moc"
