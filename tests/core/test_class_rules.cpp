// The class view's rules without a database: shares and their bands, the
// rows and their order, the class's common mistakes, the tasks of each
// child's worksheet and how long answers are kept.
#include "core/record/ClassMistakes.h"
#include "core/record/ClassTable.h"
#include "core/record/ClassWorksheets.h"
#include "core/record/Retention.h"
#include "core/worksheets/WorksheetTasks.h"

#include <QTest>

namespace {

ClassCell cell(const QString &child, const QString &exercise, int tasks, int right,
               qint64 lastMs = 0) {
    return {child, exercise, tasks, right, 1000LL * tasks, lastMs};
}

QStringList names(const QList<ClassRow> &rows) {
    QStringList list;
    for (const ClassRow &row : rows)
        list << row.name;
    return list;
}

// "Ordnen/100/3/1": exercise, range, tasks, wrong.
QList<PractisedSpot> spots(const QStringList &rows) {
    QList<PractisedSpot> list;
    for (const QString &row : rows) {
        const QStringList f = row.split(QLatin1Char('/'));
        list << PractisedSpot{f[0], f[1].toInt(), f[2].toInt(), f[3].toInt()};
    }
    return list;
}

QString described(const QList<SheetTask> &tasks) {
    QStringList list;
    for (const SheetTask &task : tasks)
        list << task.exercise + QLatin1Char('/') + QString::number(task.range);
    return list.join(QLatin1Char(' '));
}

} // namespace

class ClassRulesTest : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void rowsAndDays();
    void sorting_data();
    void sorting();
    void commonMistakes();
    void sheetTasks_data();
    void sheetTasks();
    void sheetAndKey();
    void retention_data();
    void retention();
};

void ClassRulesTest::cells_data() {
    QTest::addColumn<int>("tasks");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("share");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << 0 << -1 << "";
    QTest::newRow("all right") << 20 << 20 << 100 << "100 % von 20, grün";
    QTest::newRow("green edge") << 5 << 4 << 80 << "80 % von 5, grün";
    QTest::newRow("just below green") << 1000 << 799 << 80 << "80 % von 1.000, grün";
    QTest::newRow("yellow") << 3 << 2 << 67 << "67 % von 3, gelb";
    QTest::newRow("yellow edge") << 2 << 1 << 50 << "50 % von 2, gelb";
    QTest::newRow("red") << 3 << 1 << 33 << "33 % von 3, rot";
    QTest::newRow("none right") << 7 << 0 << 0 << "0 % von 7, rot";
}

void ClassRulesTest::cells() {
    QFETCH(int, tasks);
    QFETCH(int, right);
    const ClassCell c = cell("a", "Ordnen", tasks, right);
    QTEST(ClassTable::share(c), "share");
    QTEST(ClassTable::cellText(c), "text");
}

void ClassRulesTest::rowsAndDays() {
    const qint64 day1 = QDateTime(QDate(2026, 3, 2), QTime(23, 30)).toMSecsSinceEpoch();
    const qint64 day2 = QDateTime(QDate(2026, 3, 4), QTime(0, 10)).toMSecsSinceEpoch();
    const QList<ClassRow> rows =
        ClassTable::rows({{"m", "Mia"}, {"o", "Ole"}, {"e", "Emil"}},
                         {cell("m", "Ordnen", 4, 3, day1), cell("m", "Ziffern", 2, 2, day2),
                          cell("x", "Ordnen", 9, 9, day2), cell("o", "Zählen", 0, 0, day2)});
    QCOMPARE(names(rows), (QStringList{"Mia", "Ole", "Emil"}));
    QCOMPARE(rows[0].cells.size(), 2);
    QCOMPARE(rows[0].lastDay, QDate(2026, 3, 4));
    QCOMPARE(rows[0].practiceMilliseconds, 6000);
    // A cell without tasks is no practice; a child of another class is not shown.
    QVERIFY(rows[1].cells.isEmpty());
    QVERIFY(rows[1].lastDay.isNull());
    QCOMPARE(ClassTable::exercises(rows), (QStringList{"Ordnen", "Ziffern"}));
}

void ClassRulesTest::sorting_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("ascending");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("names") << int(ClassTable::Column::Name) << true
                           << QStringList{"ärger", "Bea", "Ole", "ole 2", "ole 10"};
    QTest::newRow("names down") << int(ClassTable::Column::Name) << false
                                << QStringList{"ole 10", "ole 2", "Ole", "Bea", "ärger"};
    // Empty cells stay last either way; equal shares keep the names' order.
    QTest::newRow("share up") << int(ClassTable::Column::Exercise) << true
                              << QStringList{"Ole", "Bea", "ole 10", "ärger", "ole 2"};
    QTest::newRow("share down") << int(ClassTable::Column::Exercise) << false
                                << QStringList{"ärger", "Bea", "ole 10", "Ole", "ole 2"};
    QTest::newRow("last day") << int(ClassTable::Column::LastDay) << false
                              << QStringList{"ole 10", "ärger", "Bea", "Ole", "ole 2"};
    QTest::newRow("time up") << int(ClassTable::Column::PracticeTime) << true
                             << QStringList{"Ole", "ole 10", "ärger", "Bea", "ole 2"};
}

void ClassRulesTest::sorting() {
    QFETCH(int, column);
    QFETCH(bool, ascending);
    const qint64 monday = QDateTime(QDate(2026, 3, 2), QTime(9, 0)).toMSecsSinceEpoch();
    const qint64 day = 86400000;
    const QList<ClassRow> rows = ClassTable::rows(
        {{"1", "ole 10"}, {"2", "ole 2"}, {"3", "Ole"}, {"4", "Bea"}, {"5", "ärger"}},
        {cell("1", "Ordnen", 4, 2, monday + 3 * day), cell("3", "Ordnen", 2, 0, monday),
         cell("4", "Ordnen", 6, 3, monday + day), cell("5", "Ordnen", 5, 5, monday + day),
         cell("5", "Ziffern", 1, 1, monday)});
    QTEST(names(ClassTable::sorted(rows, ClassTable::Column(column), "Ordnen", ascending)),
          "order");
}

void ClassRulesTest::commonMistakes() {
    const QList<WrongGiven> totals = {{"Ordnen", 100, "a", {}, 3, 5},
                                      {"Ziffern", 20, "b", {}, 3, 9},
                                      {"Zählen", 100, "c", {}, 1, 12},
                                      {"Bilder", 100, "d", {}, 4, 4}};
    const QList<WrongGiven> givens = {
        {"Ordnen", 100, "a", "7", 2, 2}, {"Ordnen", 100, "a", "5", 2, 2},
        {"Ordnen", 100, "a", "9", 1, 1}, {"Ziffern", 20, "b", "x", 3, 9},
        {"Bilder", 20, "d", "zu", 4, 4}, {"Bilder", 100, "d", "44", 1, 4}};
    const QList<ClassMistake> list = ClassMistakes::shape(totals, givens, 6, 10);
    // Most children first, then most wrong answers; one child's task is left out.
    QCOMPARE(list.size(), 3);
    QCOMPARE(list[0].task, QStringLiteral("d"));
    QCOMPARE(list[0].commonGiven, QStringLiteral("44")); // the range counts: not "zu"
    QCOMPARE(list[1].task, QStringLiteral("b"));
    QCOMPARE(list[2].commonGiven, QStringLiteral("5")); // a tie goes to the first in order
    QCOMPARE(ClassMistakes::shape(totals, givens, 6, 1).size(), 1);
    // A class where one child practised: that child's mistakes are the class's.
    QCOMPARE(ClassMistakes::shape(totals, givens, 1, 10).size(), 4);
}

void ClassRulesTest::sheetTasks_data() {
    QTest::addColumn<QStringList>("spots");
    QTest::addColumn<QString>("tasks");
    QTest::newRow("nothing practised") << QStringList{} << "";
    QTest::newRow("most wrong first")
        << QStringList{"Ordnen/100/9/1", "Ziffern/20/3/4", "Ziffern/100/3/4", "Zählen/100/2/2",
                       "Bilder/1000/5/1"}
        << "Ziffern/20 Ziffern/20 Ziffern/100 Ziffern/100 Zählen/100 Zählen/100";
    QTest::newRow("ties in list order") << QStringList{"Zählen/100/2/1", "Ordnen/100/9/1"}
                                        << "Ordnen/100 Ordnen/100 Zählen/100 Zählen/100";
    QTest::newRow("no mistakes: least practised")
        << QStringList{"Ordnen/100/9/0", "Ziffern/20/3/0", "Ziffern/1000/3/0", "Zählen/100/2/0",
                       "Bilder/100/50/0"}
        << "Zählen/100 Zählen/100 Ziffern/1000 Ziffern/1000 Ordnen/100 Ordnen/100";
    QTest::newRow("unknown exercise left out")
        << QStringList{"Rechnen/100/1/5", "Ordnen/100/1/0"} << "Ordnen/100 Ordnen/100";
}

void ClassRulesTest::sheetTasks() {
    QFETCH(QStringList, spots);
    QTEST(described(ClassWorksheets::choose(::spots(spots))), "tasks");
}

void ClassRulesTest::sheetAndKey() {
    const QList<SheetTask> tasks = {{"Nachbarn", 100}, {"Ziffern", 1000}};
    const ChildSheet s = ClassWorksheets::sheet("Mia", QDate(2026, 3, 2), tasks);
    QVERIFY(s.sheet.startsWith("Arbeitsblatt für Mia, 02.03.2026\r\n\r\n"));
    QVERIFY(s.key.startsWith("Lösungen für Mia, 02.03.2026\r\n\r\n"));
    const QStringList sheetLines = s.sheet.split("\r\n");
    const QStringList keyLines = s.key.split("\r\n");
    QCOMPARE(keyLines.size(), sheetLines.size());
    // Each task line of the key is its own line of the sheet solved.
    for (qsizetype i = 2; i < sheetLines.size(); ++i)
        if (!sheetLines[i].isEmpty())
            QVERIFY2(keyLines[i] != sheetLines[i] && !keyLines[i].contains("__"),
                     qPrintable(keyLines[i]));
}

void ClassRulesTest::retention_data() {
    QTest::addColumn<int>("months");
    QTest::addColumn<QDateTime>("last");
    QTest::addColumn<QDateTime>("cutoff");
    QTest::addColumn<bool>("due");
    const QDateTime now(QDate(2026, 3, 31), QTime(8, 0));
    QTest::newRow("never cleaned")
        << 13 << QDateTime() << QDateTime(QDate(2025, 2, 28), QTime(8, 0)) << true;
    QTest::newRow("cleaned today") << 13 << QDateTime(QDate(2026, 3, 31), QTime(0, 1))
                                   << QDateTime(QDate(2025, 2, 28), QTime(8, 0)) << false;
    QTest::newRow("yesterday") << 1 << QDateTime(QDate(2026, 3, 30), QTime(23, 59))
                               << QDateTime(QDate(2026, 2, 28), QTime(8, 0)) << true;
    QTest::newRow("clock put back") << 0 << QDateTime(QDate(2026, 4, 2), QTime(8, 0))
                                    << QDateTime(QDate(2026, 2, 28), QTime(8, 0)) << true;
    QTest::newRow("at most ten years") << 500 << QDateTime(QDate(2026, 3, 31), QTime(7, 0))
                                       << QDateTime(QDate(2016, 3, 31), QTime(8, 0)) << false;
}

void ClassRulesTest::retention() {
    QFETCH(int, months);
    QFETCH(QDateTime, last);
    const QDateTime now(QDate(2026, 3, 31), QTime(8, 0));
    QTEST(Retention::cutoff(now, months), "cutoff");
    QTEST(Retention::due(last, now), "due");
}

QTEST_APPLESS_MAIN(ClassRulesTest)
#include "test_class_rules.moc"
