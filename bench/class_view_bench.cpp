// The class view benchmark on a private class server: a class of 30 with
// 40 000 answers each (1 200 000 rows). The class table for "alles" from the
// questions to the server to the painted table, and the 30 worksheets with
// their keys written as PDF files. Goals: 1 s and 3 s.
#include "PrivatePostgres.h"
#include "core/record/ClassWorksheets.h"
#include "offscreen.h"
#include "store/class/ClassQueries.h"
#include "store/server/ServerAdmin.h"
#include "store/server/ServerSchema.h"
#include "ui/record/class/ClassPanel.h"
#include "ui/worksheets/WorksheetOutput.h"
#include "ui/worksheets/WorksheetPrinting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char **argv) {
    offscreenUnlessChosen();
    QApplication app(argc, argv);
    PrivatePostgres server;
    if (!server.isAvailable() || !server.isRunning()) {
        std::printf("class_view_bench: no private server (%s)\n",
                    qPrintable(server.skipReason() + server.error()));
        return 0;
    }
    server.createDatabase("schule", "it", "pw");
    server.addService("it", "schule", "it", "pw").apply();
    QSqlDatabase owner = server.connectService("owner", "it");
    ServerSchema::setUp(owner);
    ServerAdmin::Member member;
    QString error;
    ServerAdmin::setMember(owner, ServerAdmin::Kind::Teacher, "meier", {"3b"}, &member, &error);
    server.addService("meier", "schule", member.role, member.password).apply();
    QSqlQuery seed(owner);
    const qint64 start = QDateTime::currentMSecsSinceEpoch() - 40000LL * 60000;
    const bool seeded =
        seed.exec("INSERT INTO children (id, class, name) SELECT gen_random_uuid(), '3b', "
                  "'Kind ' || k FROM generate_series(1, 30) k") &&
        seed.exec(QStringLiteral(
                      "INSERT INTO answers (id, computer, child_id, exercise, number_range, task, "
                      "given, is_right, attempt, at_ms, shown_ms) SELECT gen_random_uuid(), 'pc', "
                      "c.id, (ARRAY['<  =  >','Ordnen','Ziffern','Wörter','Bilder','Mengen',"
                      "'Strahl','Familie','Nachbarn','Zerlegen','Zählen'])[1 + (n / 7) % 11], "
                      "100, 'Aufgabe ' || (n % 60), (n % 9)::text, (n % 5 <> 0)::int, "
                      "1 + (n % 5 = 1)::int, %1 + n::bigint * 60000, 2000 + n % 3000 "
                      "FROM children c, generate_series(1, 40000) n")
                      .arg(start)) &&
        seed.exec("ANALYZE answers, children");
    if (!seeded) {
        std::printf("class_view_bench: seeding failed: %s\n", qPrintable(seed.lastError().text()));
        return 1;
    }
    QSqlDatabase meier = server.connectService("meier", "meier");
    QList<ClassTable::Child> children;
    for (const ServerChild &c : ClassQueries::children(meier).value_or(QList<ServerChild>()))
        children.append({c.id, c.name});

    QWidget window;
    WorksheetOutput output(&window);
    ClassPanel panel(output, &window);
    window.resize(960, 760);
    panel.resize(960, 700);
    window.show();
    QElapsedTimer timer;
    timer.start();
    const auto cells = ClassQueries::classCells(meier, "3b", {});
    const double cellsMs = double(timer.nsecsElapsed()) / 1e6;
    const auto mistakes = ClassQueries::classMistakes(meier, "3b", {}, ClassPanel::mistakesShown);
    panel.showLoading("3b", "alles", children, {});
    panel.showFigures(cells.value_or(QList<ClassCell>()),
                      mistakes.value_or(ClassQueries::MistakeCounts()));
    panel.repaint();
    const double tableMs = double(timer.nsecsElapsed()) / 1e6;

    QTemporaryDir dir;
    timer.restart();
    const auto spots = ClassQueries::practisedSpots(meier, "3b", {});
    QString sheets, keys;
    for (const ClassTable::Child &child : children) {
        const ChildSheet sheet = ClassWorksheets::sheet(
            child.name, QDate::currentDate(), ClassWorksheets::choose(spots->value(child.id)));
        const QString pageStart =
            sheets.isEmpty() ? QString() : QString(WorksheetPrinting::pageBreak);
        sheets += pageStart + sheet.sheet;
        keys += pageStart + sheet.key;
    }
    const bool written =
        WorksheetPrinting::print(sheets, *WorksheetPrinting::pdfPrinter(dir.filePath("a.pdf"))) &&
        WorksheetPrinting::print(keys, *WorksheetPrinting::pdfPrinter(dir.filePath("b.pdf")));
    const double sheetsMs = double(timer.nsecsElapsed()) / 1e6;

    std::printf("class_view_bench: 30 children x 40 000 answers (%d cells)\n",
                int(cells ? cells->size() : 0));
    std::printf("  class table \"alles\", asked to painted: %8.1f ms (goal 1000 ms)\n", tableMs);
    std::printf("    of which the figures per child and exercise: %8.1f ms\n", cellsMs);
    std::printf("  30 worksheets with keys as PDF:      %8.1f ms (goal 3000 ms)%s\n", sheetsMs,
                written ? "" : " FAILED");
    return 0;
}
