// The learning record's views come from a module loaded when a view is first
// opened: found from a program in the build tree and from one installed into
// a prefix, and a German message instead of the view when it is missing.
#include "ModalBoxes.h"
#include "Program.h"
#include "worksheet_steps.h"

#include "store/RecordStore.h"
#include "ui/record/RecordModuleLoader.h"
#include "ui/record/RecordViewModule.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGraphicsView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class RecordModuleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void foundAndLoaded_data();
    void foundAndLoaded();
    void missingModuleIsToldInGerman();
};

void RecordModuleTest::foundAndLoaded_data() {
    QTest::addColumn<bool>("installed");
    QTest::newRow("build tree") << false;
    QTest::newRow("installed prefix") << true;
}

void RecordModuleTest::foundAndLoaded() {
    QFETCH(bool, installed);
    QTemporaryDir prefix;
    QString programFolder = RecordModuleLoader::programFolder();
    if (installed) {
        QProcess install;
        install.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        install.start(QStringLiteral(ZUB_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(ZUB_BINARY_DIR),
                       QStringLiteral("--prefix"), prefix.path()});
        QVERIFY(install.waitForFinished(120000));
        QCOMPARE(install.exitCode(), 0);
        programFolder = prefix.filePath(QStringLiteral("bin"));
        QVERIFY(QFileInfo(programFolder + QStringLiteral("/zubzahlen")).isExecutable());
    }
    RecordModuleLoader loader;
    loader.setFolders(RecordModuleLoader::folders(programFolder));
    RecordViewModule *module = loader.module();
    QVERIFY2(module, qPrintable(loader.problem()));
    const QString expected = installed ? prefix.path() : QStringLiteral(ZUB_BINARY_DIR);
    QVERIFY2(loader.path().startsWith(expected + QLatin1Char('/')), qPrintable(loader.path()));

    // The module's view works on the program's own store, chart included.
    QTemporaryDir data;
    RecordStore store(data.filePath(QStringLiteral("lernstand.sqlite")));
    store.open();
    QVERIFY(store.addChild(QStringLiteral("Ella")));
    std::unique_ptr<Screen> view(module->createRecordView(store, QStringLiteral("Ella"), {}));
    QCOMPARE(view->objectName(), QStringLiteral("Lernstand"));
    QVERIFY(view->findChild<QGraphicsView *>());
    view->display();
    QCOMPARE(control<QComboBox>(view.get(), "Kind")->currentText(), QStringLiteral("Ella"));
}

void RecordModuleTest::missingModuleIsToldInGerman() {
    TestProgram program;
    QTemporaryDir empty;
    program.app().recordModule().setFolders({empty.path()});
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &sheet = openWorksheets(program.start(), 20);
    // Asked again, told again: nothing half-made stays behind.
    for (int visit = 0; visit < 2; ++visit) {
        ModalBoxes boxes({QStringLiteral("OK")});
        press(sheet, "Befehl9");
        QCOMPARE(boxes.seen.size(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Lernstand"));
        QCOMPARE(boxes.last().icon, QMessageBox::Critical);
        QVERIFY(boxes.last().text.startsWith(
            QStringLiteral("Der Lernstand kann nicht angezeigt werden: Ein Teil des Programms "
                           "fehlt oder ist beschädigt. Bitte ZUB-Zahlen neu installieren.")));
        QVERIFY(boxes.last().text.contains(empty.path()));
        QVERIFY(sheet.isVisible());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(w->objectName() != QStringLiteral("Lernstand"));
    }
    // The answers are still recorded.
    QCOMPARE(program.app().recordStore().state(), RecordStore::State::Open);
}

QTEST_MAIN(RecordModuleTest)
#include "test_record_module.moc"
