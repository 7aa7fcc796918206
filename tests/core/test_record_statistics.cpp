// The learning record's rules without a database: statistics, periods, the
// CSV cells and the task texts a teacher reads.
#include "core/NumberText.h"
#include "core/record/Period.h"
#include "core/record/RecordCsv.h"
#include "core/record/RecordStatistics.h"
#include "core/record/TaskDescriptions.h"
#include "core/worksheets/WorksheetTasks.h"

#include <QTest>

namespace {

const QDateTime monday(QDate(2026, 3, 2), QTime(9, 0));

// "Ordnen/100/a/x/-" : exercise, range, task, given, right (+) or wrong (-);
// the attempt counts up while the task stays the same.
QList<AnswerRecord> answers(const QStringList &rows) {
    QList<AnswerRecord> list;
    for (const QString &row : rows) {
        const QStringList f = row.split(QLatin1Char('/'));
        AnswerRecord a;
        a.exercise = f[0];
        a.range = f[1].toInt();
        a.task = f[2];
        a.given = f[3];
        a.right = f[4] == QLatin1String("+");
        a.attempt = !list.isEmpty() && list.last().task == a.task && !list.last().right
                        ? list.last().attempt + 1
                        : 1;
        a.at = monday.addDays(f.value(5).toInt()).addSecs(list.size());
        a.millisecondsShown = 1000 * a.attempt;
        list << a;
    }
    return list;
}

} // namespace

class RecordStatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void perExercise_data();
    void perExercise();
    void perDayAndMistakes();
    void periods();
    void csvCells_data();
    void csvCells();
    void csvFile();
    void taskTexts();
};

void RecordStatisticsTest::perExercise_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("expected"); // exercise tasks answers first% tries seconds ranges
    QTest::newRow("all right first")
        << QStringList{"Ordnen/100/a/x/+", "Ordnen/100/b/x/+"} << "Ordnen 2 2 100 1 2 100";
    QTest::newRow("second try") << QStringList{"Ordnen/100/a/x/-", "Ordnen/100/a/y/+",
                                               "Ordnen/20/b/x/+"}
                                << "Ordnen 2 3 50 1.5 3 20,100";
    QTest::newRow("never right") << QStringList{"Zählen/20/a/x/-", "Zählen/20/a/y/-"}
                                 << "Zählen 1 2 0 2 2 20";
    QTest::newRow("list order") << QStringList{"Zählen/20/a/x/+", "<  =  >/20/b/x/+"}
                                << "<  =  > 1 1 100 1 1 20|Zählen 1 1 100 1 1 20";
}

void RecordStatisticsTest::perExercise() {
    QFETCH(QStringList, rows);
    QFETCH(QString, expected);
    QStringList got;
    for (const ExerciseSummary &s : RecordStatistics::perExercise(answers(rows))) {
        QStringList ranges;
        for (int r : s.ranges)
            ranges << QString::number(r);
        got << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                   .arg(s.exercise)
                   .arg(s.tasks)
                   .arg(s.answers)
                   .arg(s.firstTryPercent)
                   .arg(s.triesPerTask)
                   .arg(s.practiceMilliseconds / 1000)
                   .arg(ranges.join(QLatin1Char(',')));
    }
    QCOMPARE(got.join(QLatin1Char('|')), expected);
}

void RecordStatisticsTest::perDayAndMistakes() {
    const QList<AnswerRecord> list =
        answers({"Ordnen/100/a/x/-/1", "Ordnen/100/a/y/-/1", "Ordnen/100/a/x/+/1",
                 "Zählen/20/b/7/-/0", "Zählen/20/c/8/-/3", "Zählen/20/c/8/+/3"});
    const QList<DayCounts> days = RecordStatistics::perDay(list);
    QCOMPARE(days.size(), 3);
    QCOMPARE(days[0].day, monday.date());
    QCOMPARE(days[1].right, 1);
    QCOMPARE(days[1].wrong, 2);
    QCOMPARE(days[2].day, monday.date().addDays(3));

    const QList<Mistake> mistakes = RecordStatistics::frequentMistakes(list, 2);
    QCOMPARE(mistakes.size(), 2);
    QCOMPARE(mistakes[0].task, QStringLiteral("a"));
    QCOMPARE(mistakes[0].count, 2);
    QCOMPARE(mistakes[0].given, (QStringList{"x", "y"}));
    QCOMPARE(mistakes[1].task, QStringLiteral("b")); // a tie keeps the earlier mistake first

    const QList<WeakSpot> spots = RecordStatistics::weakSpots(list, 5);
    QCOMPARE(spots.size(), 2);
    QCOMPARE(spots[0].exercise, QStringLiteral("Ordnen"));
    QCOMPARE(spots[0].mistakes, 2);
    QCOMPARE(spots[1].exercise, QStringLiteral("Zählen"));
}

void RecordStatisticsTest::periods() {
    const QDateTime now(QDate(2026, 3, 10), QTime(15, 30));
    QCOMPARE(periodStart(Period::Today, now), QDateTime(QDate(2026, 3, 10), QTime(0, 0)));
    QCOMPARE(periodStart(Period::Week, now), QDateTime(QDate(2026, 3, 4), QTime(0, 0)));
    QCOMPARE(periodStart(Period::Month, now), QDateTime(QDate(2026, 2, 9), QTime(0, 0)));
    QVERIFY(periodStart(Period::All, now).isNull());
    QCOMPARE(periodName(Period::Week), QStringLiteral("7 Tage"));
    QCOMPARE(periodName(Period::All), QStringLiteral("alles"));
}

void RecordStatisticsTest::csvCells_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");
    QTest::newRow("plain") << "Anna"
                           << "Anna";
    QTest::newRow("formula") << "=HYPERLINK(1)"
                             << "'=HYPERLINK(1)";
    QTest::newRow("plus") << "+1"
                          << "'+1";
    QTest::newRow("minus") << "-5"
                           << "'-5";
    QTest::newRow("at") << "@A1"
                        << "'@A1";
    QTest::newRow("tab") << "\tx"
                         << "'\tx";
    QTest::newRow("semicolon") << "a;b"
                               << "\"a;b\"";
    QTest::newRow("quote") << "Ben \"B\""
                           << "\"Ben \"\"B\"\"\"";
    QTest::newRow("line break") << "a\nb"
                                << "\"a\nb\"";
    QTest::newRow("formula and quote") << "=\"x\""
                                       << "\"'=\"\"x\"\"\"";
}

void RecordStatisticsTest::csvCells() {
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QCOMPARE(RecordCsv::cell(text), cell);
}

void RecordStatisticsTest::csvFile() {
    QList<AnswerRecord> list = answers({"Ordnen/100/Ordnen: 5, 3/3, 5/+"});
    list[0].child = QStringLiteral("Lea; \"L\"");
    list[0].millisecondsShown = 2500;
    const QByteArray csv = answersToCsv(list);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                           "Kind;Übung;Zahlenraum;Aufgabe;Antwort;Ergebnis;"));
    QCOMPARE(csv.count("\r\n"), 2);
    QVERIFY(csv.endsWith(QStringLiteral("\"Lea; \"\"L\"\"\";Ordnen;100;Ordnen: 5, 3;3, 5;richtig;1;"
                                        "02.03.2026;09:00:00;2,5\r\n")
                             .toUtf8()));
}

void RecordStatisticsTest::taskTexts() {
    QCOMPARE(NumberText::grouped(4099), QStringLiteral("4 099"));
    QCOMPARE(NumberText::grouped(1000000), QStringLiteral("1 000 000"));
    QCOMPARE(NumberText::grouped(-1234), QStringLiteral("-1 234"));
    QCOMPARE(NumberText::grouped(512), QStringLiteral("512"));
    NeighboursTask neighbours{4099, NeighboursTask::Kind::Predecessor, QStringLiteral("Z"), 4089};
    QCOMPARE(TaskDescriptions::of(neighbours, QStringLiteral("4089")).task,
             QStringLiteral("Nachbarn (Zehner) von 4 099: Vorgänger"));
    const OrderingTask ordering{{512, 97, 940, 13, 388}, {13, 97, 388, 512, 940}};
    const ShownTask shown = TaskDescriptions::of(ordering, {"13", "", "388", "512", "940"});
    QCOMPARE(shown.task, QStringLiteral("Ordnen: 512, 97, 940, 13, 388"));
    QCOMPARE(shown.given, QStringLiteral("13, _, 388, 512, 940"));
    QCOMPARE(TaskDescriptions::of(CountingTask{{false, 10}, 90, 3, 70}, {}).task,
             QStringLiteral("Zählen (- 10) ab 90: Kästchen 3"));
    // Every exercise is recorded under its worksheet type name.
    const QStringList names = {
        TaskDescriptions::of(DigitsTask{}, {}).exercise,
        TaskDescriptions::of(WordsTask{}, {}).exercise,
        TaskDescriptions::of(QuantitiesTask{}).exercise,
        TaskDescriptions::of(PicturesTask{}, {}).exercise,
        TaskDescriptions::of(NumberLineTask{}, {}).exercise,
        TaskDescriptions::of(NumberFamilyTask{}, {}).exercise,
        TaskDescriptions::of(DecompositionTask{}, {}).exercise,
        TaskDescriptions::of(neighbours, {}).exercise,
        TaskDescriptions::of(ComparisonTask{}, {}).exercise,
        TaskDescriptions::of(CountingTask{}, {}).exercise,
        TaskDescriptions::of(ordering, {}).exercise,
    };
    QStringList sorted = names;
    QStringList types = WorksheetTasks::types();
    sorted.sort();
    types.sort();
    QCOMPARE(sorted, types);
}

QTEST_APPLESS_MAIN(RecordStatisticsTest)
#include "test_record_statistics.moc"
