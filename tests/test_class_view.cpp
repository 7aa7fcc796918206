// The Lernstand view of a teacher connected to a private class server,
// driven through its real controls: the class in the choice "Kind", the
// class table's figures recomputed here from the seeded rows, sorting,
// a child opened from the table, children added and removed on the server,
// a worksheet for every child as PDF, and the view without the server.
#include "ModalBoxes.h"
#include "PrivatePostgres.h"
#include "Program.h"
#include "worksheet_pdf.h"
#include "worksheet_steps.h"

#include "core/record/ClassTable.h"
#include "core/record/RecordStatistics.h"
#include "store/ClassServer.h"
#include "store/server/ServerAdmin.h"
#include "store/server/ServerSchema.h"
#include "ui/record/RecordView.h"
#include "ui/record/class/TeacherRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

struct Seed {
    const char *child;
    const char *exercise;
    const char *task;
    const char *given;
    bool right;
    int attempt;
};

// Mia and Ole got "Ordnen 4" wrong; Emil has not practised.
const Seed seeds[] = {
    {"Mia", "Ordnen", "Ordnen 4", "9", false, 1},  {"Mia", "Ordnen", "Ordnen 4", "4", true, 2},
    {"Mia", "Ordnen", "Ordnen 5", "5", true, 1},   {"Mia", "Ordnen", "Ordnen 6", "6", true, 1},
    {"Mia", "Ziffern", "Ziffern 7", "7", true, 1}, {"Ole", "Ordnen", "Ordnen 4", "9", false, 1},
    {"Ole", "Ordnen", "Ordnen 5", "3", false, 1},  {"Ole", "Ziffern", "Ziffern 8", "8", true, 1},
};

QTableWidget *table(QWidget *view, const char *name) {
    return control<QTableWidget>(view, QString::fromLatin1(name));
}

int rowOf(QTableWidget *t, const QString &name) {
    for (int row = 0; row < t->rowCount(); ++row)
        if (t->item(row, 0) && t->item(row, 0)->text() == name)
            return row;
    return -1;
}

int columnOf(QTableWidget *t, const QString &title) {
    for (int c = 0; c < t->columnCount(); ++c)
        if (t->horizontalHeaderItem(c)->text() == title)
            return c;
    return -1;
}

void choose(RecordView &view, const QString &text) {
    auto *box = control<QComboBox>(&view, QStringLiteral("Kind"));
    box->setCurrentIndex(box->findText(text));
    emit box->activated(box->currentIndex());
}

} // namespace

class ClassViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { server.reset(); }
    void teacherSeesTheClassAndItsChildren();

private:
    std::unique_ptr<PrivatePostgres> server;
    QSqlDatabase owner;
    QHash<QString, QString> ids;
    QList<AnswerRecord> seeded;
};

void ClassViewTest::initTestCase() {
    initTestApplication();
    server = std::make_unique<PrivatePostgres>();
    if (!server->isAvailable())
        QSKIP(qPrintable(server->skipReason()));
    QVERIFY2(server->isRunning(), qPrintable(server->error()));
    QVERIFY(server->createDatabase("schule", "it", "pw"));
    server->addService("it", "schule", "it", "pw").apply();
    owner = server->connectService("owner", "it");
    QCOMPARE(ServerSchema::setUp(owner).outcome, ServerSchema::Outcome::Created);
    ServerAdmin::Member member;
    QString error;
    QVERIFY(ServerAdmin::setMember(owner, ServerAdmin::Kind::Teacher, "meier", {"3b"}, &member,
                                   &error));
    server->addService("lehrkraft", "schule", member.role, member.password).apply();
    QSqlQuery query(owner);
    for (const char *name : {"Mia", "Ole", "Emil"}) {
        QVERIFY(query.exec(QStringLiteral("INSERT INTO children (id, class, name) VALUES "
                                          "(gen_random_uuid(), '3b', '%1') RETURNING id::text")
                               .arg(QLatin1String(name))));
        QVERIFY(query.next());
        ids.insert(QLatin1String(name), query.value(0).toString());
    }
    const QDateTime start = QDateTime::currentDateTime().addDays(-3);
    QVERIFY(query.prepare("INSERT INTO answers (id, computer, child_id, exercise, number_range, "
                          "task, given, is_right, attempt, at_ms, shown_ms) VALUES "
                          "(gen_random_uuid(), 'pc', ?, ?, 100, ?, ?, ?, ?, ?, ?)"));
    for (const Seed &s : seeds) {
        AnswerRecord a;
        a.child = QLatin1String(s.child);
        a.exercise = QLatin1String(s.exercise);
        a.range = 100;
        a.task = QLatin1String(s.task);
        a.given = QLatin1String(s.given);
        a.right = s.right;
        a.attempt = s.attempt;
        a.at = start.addSecs(60 * seeded.size());
        a.millisecondsShown = 2000 * s.attempt;
        for (const QVariant &v :
             QVariantList{ids[a.child], a.exercise, a.task, a.given, int(a.right), a.attempt,
                          a.at.toMSecsSinceEpoch(), a.millisecondsShown})
            query.addBindValue(v);
        QVERIFY(query.exec());
        seeded << a;
    }
}

void ClassViewTest::teacherSeesTheClassAndItsChildren() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    QVERIFY(QTest::qWaitFor(
        [] { return testApp().recordStore().state() == RecordStore::State::Open; }));
    WorksheetDialog &sheet = openWorksheets(menu, 20);
    ClassServer classServer(QStringLiteral("lehrkraft"), testApp().recordStore().path());
    press(sheet, "Befehl9");
    auto *shown = qobject_cast<RecordView *>(testApp().recordView());
    QVERIFY(shown);
    RecordView &view = *shown;
    QVERIFY(view.isVisible());
    TeacherRecord *teacher = TeacherRecord::attach(view, classServer);
    teacher->update();
    auto *children = control<QComboBox>(&view, QStringLiteral("Kind"));
    QVERIFY(QTest::qWaitFor([&] { return children->findText("Klasse 3b") == 0; }));
    QCOMPARE(children->itemText(1), QStringLiteral("Emil"));

    // The class: one row per child, figures as the rows give them.
    choose(view, QStringLiteral("Klasse 3b"));
    QTableWidget *classTable = table(&view, "Klassentabelle");
    QVERIFY(classTable->isVisible());
    QVERIFY(!control<QWidget>(&view, QStringLiteral("Uebungen"))->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return columnOf(classTable, "Ziffern") > 0; }));
    QCOMPARE(classTable->rowCount(), 3);
    for (const QString &name : {QStringLiteral("Mia"), QStringLiteral("Ole")}) {
        QList<AnswerRecord> own;
        for (const AnswerRecord &a : seeded)
            if (a.child == name)
                own << a;
        for (const ExerciseSummary &s : RecordStatistics::perExercise(own)) {
            const ClassCell expected{
                {}, s.exercise, s.tasks, qRound(s.firstTryPercent * s.tasks / 100)};
            QCOMPARE(
                classTable->item(rowOf(classTable, name), columnOf(classTable, s.exercise))->text(),
                ClassTable::cellText(expected));
        }
    }
    QCOMPARE(classTable->item(rowOf(classTable, "Ole"), columnOf(classTable, "Ordnen"))->text(),
             QStringLiteral("0 % von 2, rot"));
    QCOMPARE(classTable->item(rowOf(classTable, "Emil"), 1)->text(), QString());
    QTableWidget *mistakes = table(&view, "Klassenfehler");
    QCOMPARE(mistakes->rowCount(), 1);
    QCOMPARE(mistakes->item(0, 2)->text(), QStringLiteral("Ordnen 4"));
    QCOMPARE(mistakes->item(0, 3)->text(), QStringLiteral("2"));
    QCOMPARE(mistakes->item(0, 5)->text(), QStringLiteral("9"));

    // Sorted by the keyboard's list as by the header.
    auto *sortBy = control<QComboBox>(&view, QStringLiteral("Sortieren"));
    sortBy->setCurrentIndex(columnOf(classTable, "Ordnen"));
    emit sortBy->activated(sortBy->currentIndex());
    QCOMPARE(classTable->item(0, 0)->text(), QStringLiteral("Ole"));
    QCOMPARE(classTable->item(2, 0)->text(), QStringLiteral("Emil")); // not practised: last
    control<QCheckBox>(&view, QStringLiteral("Absteigend"))->setChecked(true);
    QCOMPARE(classTable->item(0, 0)->text(), QStringLiteral("Mia"));

    // A worksheet for each child who practised, one PDF and the keys beside it.
    QTemporaryDir dir;
    QStringList paths{dir.filePath("klasse.pdf"), dir.filePath("klasse-loesungen.pdf")};
    view.output().setPdfPathAsker(
        [&](QWidget *, const QString &, const QString &) { return paths.takeFirst(); });
    {
        ModalBoxes boxes({QStringLiteral("PDF")});
        QTest::mouseClick(control<QPushButton>(&view, "ArbeitsblaetterKlasse"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return paths.isEmpty(); }));
        QVERIFY(boxes.seen.first().text.contains(QStringLiteral("Ohne Blatt, weil sie nicht "
                                                                "geübt haben: Emil.")));
        QCOMPARE(boxes.unexpected, 0);
    }
    if (WorksheetPdf::toolsPresent()) {
        const QString first = WorksheetPdf::lines(dir.filePath("klasse.pdf"), 1).value(0);
        QVERIFY2(first.startsWith(QStringLiteral("Arbeitsblatt für Mia")), qPrintable(first));
        QVERIFY(WorksheetPdf::lines(dir.filePath("klasse.pdf"), 2)
                    .value(0)
                    .startsWith(QStringLiteral("Arbeitsblatt für Ole")));
        QVERIFY(WorksheetPdf::lines(dir.filePath("klasse-loesungen.pdf"), 2)
                    .value(0)
                    .startsWith(QStringLiteral("Lösungen für Ole")));
    }

    // A click on a name opens that child, from the server's answers.
    emit classTable->cellClicked(rowOf(classTable, "Ole"), 0);
    QCOMPARE(children->currentText(), QStringLiteral("Ole"));
    auto *exercises = table(&view, "Uebungen");
    QVERIFY(exercises->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return exercises->rowCount() == 2; }));

    // A child added to the class on the server, then removed with its answers.
    {
        ModalBoxes boxes({QStringLiteral("=Paul")});
        QTest::mouseClick(control<QPushButton>(&view, "KindNeu"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return children->findText("Paul") > 0; }));
        QCOMPARE(children->currentText(), QStringLiteral("Paul"));
        boxes.answer({QStringLiteral("Ja")});
        QTest::mouseClick(control<QPushButton>(&view, "KindEntfernen"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return children->findText("Paul") < 0; }));
        QCOMPARE(boxes.unexpected, 0);
    }
    QSqlQuery query(owner);
    QVERIFY(query.exec("SELECT count(*) FROM children WHERE name = 'Paul'") && query.next());
    QCOMPARE(query.value(0).toInt(), 0);

    // Without the server: said in words, this computer's record as before.
    choose(view, QStringLiteral("Mia"));
    QVERIFY(server->stop());
    teacher->update();
    auto *note = control<QLabel>(&view, QStringLiteral("KlassenserverHinweis"));
    QVERIFY(QTest::qWaitFor([&] { return note->isVisible(); }));
    QVERIFY(note->text().contains(QStringLiteral("nicht erreichbar")));
    QCOMPARE(children->findText("Klasse 3b"), -1);
    QVERIFY(children->currentText().startsWith(QStringLiteral("Eigenes Konto")));
    QVERIFY(server->start());
}

QTEST_MAIN(ClassViewTest)
#include "test_class_view.moc"
