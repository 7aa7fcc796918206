// The teacher's questions to a private class server: the class table's
// figures recomputed here from the seeded rows, the class's mistakes, a
// teacher of another class who sees and changes nothing of this one, a
// child removed with its answers, the daily deletion of old answers, and
// each child's worksheet from that child's own figures.
#include "PrivatePostgres.h"
#include "core/record/ClassWorksheets.h"
#include "core/record/RecordStatistics.h"
#include "core/worksheets/WorksheetKey.h"
#include "store/class/ClassQueries.h"
#include "store/server/ServerAdmin.h"
#include "store/server/ServerSchema.h"

#include <QSet>
#include <QSqlQuery>
#include <QTest>
#include <QUuid>

#include <memory>

namespace {

// One statement as the database's owner; QSqlDatabase::exec is deprecated from Qt 6.8.
bool run(QSqlDatabase &db, const QString &statement) {
    QSqlQuery query(db);
    return query.exec(statement);
}

const QStringList exercises = {"Ordnen", "Ziffern", "Nachbarn"};

struct Seeded {
    QString id;
    AnswerRecord answer;
};

} // namespace

class ClassQueriesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { server.reset(); }
    void classTableFigures();
    void commonMistakes();
    void anotherClassSeesNothing();
    void childrenChangeOnTheServer();
    void oldAnswersGoOnceADay();
    void worksheetsFromEachChildsOwnFigures();

private:
    QSqlDatabase connect(const QString &service);
    void seed(const QString &childId, const QString &name, int seedValue, const QDateTime &start);
    qint64 count(const QString &sql);

    std::unique_ptr<PrivatePostgres> server;
    QSqlDatabase owner, meier, schulz;
    QHash<QString, QString> ids; // name -> id in 3b
    QList<Seeded> rows;
    QDateTime now = QDateTime(QDate(2026, 12, 10), QTime(10, 0));
};

QSqlDatabase ClassQueriesTest::connect(const QString &service) {
    return server->connectService(QStringLiteral("class-") + service, service);
}

qint64 ClassQueriesTest::count(const QString &sql) {
    QSqlQuery query(owner);
    return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
}

void ClassQueriesTest::initTestCase() {
    server = std::make_unique<PrivatePostgres>();
    if (!server->isAvailable())
        QSKIP(qPrintable(server->skipReason()));
    QVERIFY2(server->isRunning(), qPrintable(server->error()));
    QVERIFY(server->createDatabase("schule", "it", "pw"));
    server->addService("it", "schule", "it", "pw").apply();
    owner = connect("it");
    QVERIFY(owner.isOpen());
    QCOMPARE(ServerSchema::setUp(owner).outcome, ServerSchema::Outcome::Created);
    QString error;
    ServerAdmin::Member member;
    using Kind = ServerAdmin::Kind;
    QVERIFY2(ServerAdmin::setMember(owner, Kind::Teacher, "meier", {"3b"}, &member, &error),
             qPrintable(error));
    server->addService("meier", "schule", member.role, member.password).apply();
    QVERIFY(ServerAdmin::setMember(owner, Kind::Teacher, "schulz", {"4a"}, &member, &error));
    server->addService("schulz", "schule", member.role, member.password).apply();
    meier = connect("meier");
    schulz = connect("schulz");
    QVERIFY(meier.isOpen() && schulz.isOpen());

    QCOMPARE(ClassQueries::teacherClasses(meier).value_or(QStringList()), QStringList{"3b"});
    // Names with quotes, semicolons and a line break arrive as they are.
    for (const QString &name : {QStringLiteral("Mia"), QStringLiteral("Ole"),
                                QStringLiteral("Ärger 'x;\"\n2"), QStringLiteral("Emil")}) {
        const auto id = ClassQueries::addChild(meier, "3b", name);
        QVERIFY(id);
        ids.insert(name, *id);
    }
    const auto other = ClassQueries::addChild(schulz, "4a", "Lena");
    QVERIFY(other);
    ids.insert("Lena", *other);
    const QDateTime start = now.addDays(-40);
    seed(ids["Mia"], "Mia", 1, start);
    seed(ids["Ole"], "Ole", 2, start.addDays(20));
    seed(ids[QStringLiteral("Ärger 'x;\"\n2")], QStringLiteral("Ärger 'x;\"\n2"), 3, start);
    seed(ids["Lena"], "Lena", 4, start);
    // Emil practised nothing.
}

// A child's answers: tasks from a small pool shared by the class, a wrong
// first try now and then, the next try on the same task.
void ClassQueriesTest::seed(const QString &childId, const QString &name, int seedValue,
                            const QDateTime &start) {
    QVERIFY(owner.transaction());
    QSqlQuery insert(owner);
    QVERIFY(insert.prepare(
        "INSERT INTO answers (id, computer, child_id, exercise, number_range, task, given, "
        "is_right, attempt, at_ms, shown_ms) VALUES (?, 'pc', ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    quint32 state = 2654435761u * seedValue;
    auto next = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % quint32(n));
    };
    qint64 at = start.toMSecsSinceEpoch();
    for (int task = 0; task < 60; ++task) {
        const QString exercise = exercises[next(seedValue == 2 ? 2 : 3)];
        const int range = next(2) ? 100 : 1000;
        const QString text = QStringLiteral("%1 %2").arg(exercise).arg(next(6));
        const int tries = 1 + (next(4) == 0 ? 1 + next(2) : 0);
        for (int attempt = 1; attempt <= tries; ++attempt) {
            AnswerRecord a;
            a.child = name;
            a.childId = childId;
            a.exercise = exercise;
            a.range = range;
            a.task = text;
            a.given = attempt == tries ? QStringLiteral("gut") : QString::number(next(3));
            a.right = attempt == tries && next(5) != 0;
            a.attempt = attempt;
            a.at = QDateTime::fromMSecsSinceEpoch(at);
            a.millisecondsShown = 1500LL * attempt + next(900);
            // Each day's practice a few hours after the last.
            at += 60000 + qint64(next(3)) * 8 * 3600000;
            insert.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
            insert.addBindValue(childId);
            insert.addBindValue(a.exercise);
            insert.addBindValue(a.range);
            insert.addBindValue(a.task);
            insert.addBindValue(a.given);
            insert.addBindValue(a.right ? 1 : 0);
            insert.addBindValue(a.attempt);
            insert.addBindValue(a.at.toMSecsSinceEpoch());
            insert.addBindValue(a.millisecondsShown);
            QVERIFY(insert.exec());
            rows.append({childId, a});
        }
    }
    QVERIFY(owner.commit());
}

void ClassQueriesTest::classTableFigures() {
    for (const QDateTime &from : {QDateTime(), now.addDays(-7)}) {
        const auto cells = ClassQueries::classCells(meier, "3b", from);
        QVERIFY(cells);
        QHash<QString, ClassCell> byKey;
        for (const ClassCell &cell : *cells)
            byKey.insert(cell.childId + cell.exercise, cell);
        int expectedCells = 0;
        for (const QString &name : ids.keys()) {
            if (name == "Lena")
                continue;
            QList<AnswerRecord> answers;
            for (const Seeded &row : rows)
                if (row.id == ids[name] && (!from.isValid() || row.answer.at >= from))
                    answers << row.answer;
            for (const ExerciseSummary &s : RecordStatistics::perExercise(answers)) {
                ++expectedCells;
                const ClassCell cell = byKey.value(ids[name] + s.exercise);
                QCOMPARE(cell.tasks, s.tasks);
                QCOMPARE(cell.rightFirst, qRound(s.firstTryPercent * s.tasks / 100));
                QCOMPARE(cell.practiceMilliseconds, s.practiceMilliseconds);
                qint64 last = 0;
                for (const AnswerRecord &a : answers)
                    if (a.exercise == s.exercise)
                        last = qMax(last, a.at.toMSecsSinceEpoch());
                QCOMPARE(cell.lastAtMs, last);
            }
        }
        QCOMPARE(cells->size(), expectedCells);
        QVERIFY(expectedCells > 0);
    }
}

void ClassQueriesTest::commonMistakes() {
    const auto counts = ClassQueries::classMistakes(meier, "3b", {}, 100);
    QVERIFY(counts);
    QCOMPARE(counts->childrenPractised, 3);
    // Recomputed from the rows: children and wrong answers per task, and per wrong answer.
    QHash<QString, QSet<QString>> children;
    QHash<QString, int> wrong;
    QHash<QString, int> given;
    for (const Seeded &row : rows) {
        const AnswerRecord &a = row.answer;
        if (a.right || row.id == ids["Lena"])
            continue;
        const QString key = a.exercise + '|' + QString::number(a.range) + '|' + a.task;
        children[key].insert(row.id);
        ++wrong[key];
        ++given[key + '|' + a.given];
    }
    QCOMPARE(counts->taskTotals.size(), children.size());
    for (const WrongGiven &t : counts->taskTotals) {
        const QString key = t.exercise + '|' + QString::number(t.range) + '|' + t.task;
        QCOMPARE(t.children, children.value(key).size());
        QCOMPARE(t.count, wrong.value(key));
    }
    for (const WrongGiven &g : counts->givens)
        QCOMPARE(g.count, given.value(g.exercise + '|' + QString::number(g.range) + '|' + g.task +
                                      '|' + g.given));
    const QList<ClassMistake> shaped =
        ClassMistakes::shape(counts->taskTotals, counts->givens, counts->childrenPractised, 10);
    QVERIFY(!shaped.isEmpty());
    QVERIFY(shaped.first().children >= 2);
    // With a limit the server keeps the tasks most children got wrong.
    const auto top = ClassQueries::classMistakes(meier, "3b", {}, 1);
    QCOMPARE(top->taskTotals.size(), 1);
    QCOMPARE(top->taskTotals.first().children, shaped.first().children);
}

void ClassQueriesTest::anotherClassSeesNothing() {
    const auto children = ClassQueries::children(schulz);
    QVERIFY(children);
    QCOMPARE(children->size(), 1);
    QCOMPARE(children->first().name, QStringLiteral("Lena"));
    QCOMPARE(ClassQueries::classCells(schulz, "3b", {})->size(), 0);
    QCOMPARE(ClassQueries::classAnswers(schulz, "3b", {})->size(), 0);
    QCOMPARE(ClassQueries::childAnswers(schulz, ids["Mia"], "Mia", {})->size(), 0);
    QCOMPARE(ClassQueries::classMistakes(schulz, "3b", {}, 10)->childrenPractised, 0);
    QVERIFY(!ClassQueries::keeping(schulz, "3b"));
    QVERIFY(!ClassQueries::addChild(schulz, "3b", "Kuckuck"));
    QVERIFY(!ClassQueries::renameChild(schulz, ids["Mia"], "Kuckuck"));
    QVERIFY(!ClassQueries::removeChild(schulz, ids["Mia"]));
    QVERIFY(!ClassQueries::setKeepMonths(schulz, "3b", 1));
    QVERIFY(ClassQueries::removeAnswers(schulz, ids["Mia"])); // nothing of Mia's to see
    QCOMPARE(ClassQueries::cleanUp(schulz, "3b", now), std::nullopt);
    const qint64 mias =
        count(QStringLiteral("SELECT count(*) FROM answers WHERE child_id = '%1'").arg(ids["Mia"]));
    QVERIFY(mias > 0);
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM children WHERE name = 'Mia'")), 1);
    // Meier sees the class's answers, each under the child's name.
    const auto all = ClassQueries::classAnswers(meier, "3b", {});
    QVERIFY(all);
    QCOMPARE(all->size(),
             rows.size() - count(QStringLiteral("SELECT count(*) FROM answers a JOIN children c ON "
                                                "c.id = a.child_id WHERE c.class = '4a'")));
}

void ClassQueriesTest::childrenChangeOnTheServer() {
    const QString id = *ClassQueries::addChild(meier, "3b", "Tom");
    QVERIFY(ClassQueries::renameChild(meier, id, "Thomas"));
    QVERIFY(run(owner, QStringLiteral("INSERT INTO answers (id, child_id, exercise, number_range, "
                                      "task, given, is_right, attempt, at_ms, shown_ms) VALUES "
                                      "(gen_random_uuid(), '%1', 'Ordnen', 100, 'a', 'b', 0, 1, "
                                      "1, 1)")
                           .arg(id)));
    const auto answers = ClassQueries::childAnswers(meier, id, "Thomas", {});
    QCOMPARE(answers->size(), 1);
    QCOMPARE(answers->first().child, QStringLiteral("Thomas"));
    QVERIFY(ClassQueries::removeChild(meier, id));
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM answers WHERE child_id = '%1'").arg(id)),
             0);
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM children WHERE id = '%1'").arg(id)), 0);
    // Removing it again says it is not there.
    QVERIFY(!ClassQueries::removeChild(meier, id));
}

void ClassQueriesTest::oldAnswersGoOnceADay() {
    const QString old = QStringLiteral(
        "INSERT INTO answers (id, child_id, exercise, number_range, task, given, is_right, "
        "attempt, at_ms, shown_ms) VALUES (gen_random_uuid(), '%1', 'Ordnen', 100, 'alt', 'x', 0, "
        "1, %2, 1)");
    const auto at = [this](int months) { return now.addMonths(-months).toMSecsSinceEpoch(); };
    for (const QString &child : {ids["Emil"], ids["Lena"]})
        for (int months : {14, 2})
            QVERIFY(run(owner, old.arg(child).arg(at(months))));
    const QString emils =
        QStringLiteral("SELECT count(*) FROM answers WHERE child_id = '%1'").arg(ids["Emil"]);
    QCOMPARE(ClassQueries::keeping(meier, "3b")->months, 13);
    QVERIFY(!ClassQueries::keeping(meier, "3b")->lastCleanup.isValid());
    const qint64 before = count("SELECT count(*) FROM answers");
    QCOMPARE(ClassQueries::cleanUp(meier, "3b", now), std::optional<int>(1));
    QCOMPARE(count(emils), 1);
    QCOMPARE(count("SELECT count(*) FROM answers"), before - 1); // 4a keeps its old answer
    QCOMPARE(ClassQueries::keeping(meier, "3b")->lastCleanup, now);
    // Later the same day nothing happens, even with a shorter period.
    QVERIFY(ClassQueries::setKeepMonths(meier, "3b", 1));
    QCOMPARE(ClassQueries::cleanUp(meier, "3b", now.addSecs(3600)), std::optional<int>(0));
    QCOMPARE(count(emils), 1);
    // The next day the shorter period counts: the seeded answers within 40 days stay.
    const qint64 recent = count(QStringLiteral("SELECT count(*) FROM answers a JOIN children c ON "
                                               "c.id = a.child_id WHERE c.class = '3b' AND "
                                               "a.at_ms >= %1")
                                    .arg(now.addDays(1).addMonths(-1).toMSecsSinceEpoch()));
    QVERIFY(*ClassQueries::cleanUp(meier, "3b", now.addDays(1)) >= 1);
    QCOMPARE(count(emils), 0);
    QCOMPARE(count("SELECT count(*) FROM answers a JOIN children c ON c.id = a.child_id "
                   "WHERE c.class = '3b'"),
             recent);
    QCOMPARE(count(QStringLiteral("SELECT count(*) FROM answers WHERE child_id = '%1'")
                       .arg(ids["Lena"])) > 2,
             true);
}

void ClassQueriesTest::worksheetsFromEachChildsOwnFigures() {
    const auto spots = ClassQueries::practisedSpots(meier, "3b", {});
    QVERIFY(spots);
    QVERIFY(!spots->contains(ids["Lena"]));
    for (const QString &name : {QStringLiteral("Mia"), QStringLiteral("Ole")}) {
        QSet<QString> practised;
        for (const Seeded &row : rows)
            if (row.id == ids[name])
                practised.insert(row.answer.exercise);
        const QList<SheetTask> tasks = ClassWorksheets::choose(spots->value(ids[name]));
        QCOMPARE(tasks.size(), 6);
        const ChildSheet sheet = ClassWorksheets::sheet(name, now.date(), tasks);
        QVERIFY(
            sheet.sheet.startsWith(QStringLiteral("Arbeitsblatt für %1, 10.12.2026").arg(name)));
        for (const SheetTask &task : tasks)
            QVERIFY2(practised.contains(task.exercise), qPrintable(name + ": " + task.exercise));
        // The key is the sheet with its gaps filled: the same lines, no gap left.
        const QStringList sheetLines = sheet.sheet.split("\r\n");
        const QStringList keyLines = sheet.key.split("\r\n");
        QCOMPARE(keyLines.size(), sheetLines.size());
        for (qsizetype i = 2; i < sheetLines.size(); ++i)
            QVERIFY(!keyLines[i].contains(QStringLiteral("__")));
    }
    // Ole never practised "Nachbarn": his sheet has none of it.
    for (const SheetTask &task : ClassWorksheets::choose(spots->value(ids["Ole"])))
        QVERIFY(task.exercise != QStringLiteral("Nachbarn"));
}

QTEST_GUILESS_MAIN(ClassQueriesTest)
#include "test_class_queries.moc"
