// The learning record benchmark: a record of 1 000 000 answers (25 children,
// 200 school days of 200 answers each) made by the program's own store, kept
// in the build tree between runs; then one more answer, one child's year with
// its statistics, the view opened on that year, and that year as CSV.
#include "core/record/RecordCsv.h"
#include "core/record/RecordStatistics.h"
#include "core/worksheets/WorksheetTasks.h"
#include "store/RecordStore.h"
#include "ui/record/RecordView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int children = 25;
constexpr int days = 200;
constexpr int perDay = 200;

QString childName(int i) {
    return QStringLiteral("Kind %1").arg(i + 1, 2, 10, QLatin1Char('0'));
}

AnswerRecord answerOf(std::mt19937 &rng, int child, const QDateTime &at) {
    AnswerRecord a;
    a.child = childName(child);
    a.exercise = WorksheetTasks::types().at(int(rng() % 11));
    a.range = 100;
    a.task = QStringLiteral("Ordnen: %1, %2, 940, 13, 388").arg(rng() % 1000).arg(rng() % 1000);
    a.given = QString::number(rng() % 1000);
    a.right = rng() % 3 != 0;
    a.attempt = 1 + int(rng() % 2);
    a.at = at;
    a.millisecondsShown = 2000 + rng() % 20000;
    return a;
}

void fill(RecordStore &store) {
    std::mt19937 rng(7);
    const QDateTime first(QDate(2025, 9, 1), QTime(8, 0));
    for (int day = 0; day < days; ++day)
        for (int child = 0; child < children; ++child)
            for (int i = 0; i < perDay; ++i)
                store.add(answerOf(rng, child, first.addDays(day).addSecs(child * 600 + i * 3)));
}

double millisecondsOf(QElapsedTimer &clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString path =
        QCoreApplication::applicationDirPath() + QStringLiteral("/lernstand-1m.sqlite");
    const bool made = !QFile::exists(path);
    RecordStore store(path);
    if (store.open() != RecordStore::State::Open)
        return 1;
    QElapsedTimer clock;
    clock.start();
    if (made)
        fill(store);
    std::printf("learning record (1 000 000 answers, 25 children)\n");
    if (made)
        std::printf("  made by the store : %9.1f s\n", millisecondsOf(clock) / 1000.0);

    std::mt19937 rng(11);
    QList<double> adds;
    for (int i = 0; i < 1000; ++i) {
        clock.restart();
        store.add(answerOf(rng, i % children, QDateTime::currentDateTime()));
        adds << millisecondsOf(clock);
    }
    std::sort(adds.begin(), adds.end());
    std::printf(
        "  one more answer   : %9.3f ms median, %.3f ms 99th percentile (goal: at most 1 ms)\n",
        adds.at(500), adds.at(989));

    QList<double> loads;
    QList<AnswerRecord> year;
    for (int i = 0; i < 3; ++i) {
        clock.restart();
        year = store.answers(childName(3));
        RecordStatistics::perExercise(year);
        RecordStatistics::perDay(year);
        RecordStatistics::frequentMistakes(year, 10);
        RecordStatistics::weakSpots(year, 5);
        loads << millisecondsOf(clock);
    }
    std::sort(loads.begin(), loads.end());
    std::printf("  one child, alles  : %9.1f ms for %lld answers and their statistics (goal: at "
                "most 500 ms)\n",
                loads.at(1), qlonglong(year.size()));

    // The view as the teacher opens it again: the child and "alles" chosen on
    // an earlier visit, the record read, the tables and the chart filled and painted.
    // The benchmark's children are names only in its answers; the view lists names.
    store.addChild(childName(3));
    RecordView view(store);
    view.choose(childName(3), Period::All);
    QList<double> opens;
    for (int i = 0; i < 3; ++i) {
        view.hide();
        clock.restart();
        view.display();
        view.grab();
        opens << millisecondsOf(clock);
    }
    std::sort(opens.begin(), opens.end());
    std::printf("  view opened       : %9.1f ms for one child, alles (goal: at most 500 ms)\n",
                opens.at(1));

    QTemporaryDir dir;
    clock.restart();
    QFile csv(dir.filePath(QStringLiteral("lernstand.csv")));
    if (!csv.open(QIODevice::WriteOnly) || csv.write(answersToCsv(store.answers(childName(3)))) < 0)
        return 1;
    csv.close();
    std::printf("  CSV of that year  : %9.1f ms, %.1f MB (goal: at most 1 s)\n",
                millisecondsOf(clock), double(csv.size()) / 1e6);
    return 0;
}
