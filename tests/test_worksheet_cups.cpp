// A long worksheet printed through the dialog's "Drucken" on the system's
// default printer: a real print server with a PDF queue, started for this
// test by tests/cups/start-cups.sh. The queue's PDF has to have the pages the
// sheet needs and none of them blank; the words on them are checked on the
// same page painting sent to a PDF file of the same page layout.
#include "ModalBoxes.h"
#include "Program.h"
#include "worksheet_pdf.h"

#include "core/Random.h"
#include "ui/MenuScreen.h"
#include "ui/worksheets/WorksheetDialog.h"
#include "ui/worksheets/WorksheetPrinting.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

void press(WorksheetDialog &dialog, const char *button) {
    QTest::mouseClick(control<QPushButton>(&dialog, QString::fromLatin1(button)), Qt::LeftButton);
}

bool jobsPending(const QString &queue) {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("not-completed"),
                                            QStringLiteral("-o"), queue});
    lpstat.waitForFinished(10000);
    return !lpstat.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

class WorksheetCupsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void longSheetOnTheDefaultPrinter();

private:
    QString queue_;
    QDir out_;
};

void WorksheetCupsTest::initTestCase() {
    initTestApplication();
    const QString dir = qEnvironmentVariable("ZUB_CUPS_DIR");
    if (dir.isEmpty())
        QSKIP("no print server: run through ctest, whose fixture starts one");
    QFile stateFile(dir + QStringLiteral("/state"));
    if (!stateFile.open(QIODevice::ReadOnly))
        QSKIP("no print server: the start script left no state");
    const QString state = QString::fromUtf8(stateFile.readAll()).trimmed();
    if (!state.startsWith(QStringLiteral("ok ")))
        QSKIP(qPrintable(QStringLiteral("no print server: ") +
                         state.section(QLatin1Char(':'), 1).trimmed()));
    if (!WorksheetPdf::toolsPresent())
        QSKIP("poppler-utils (pdfinfo, pdftoppm, pdftotext) are not installed");
    queue_ = state.section(QLatin1Char(' '), 1, 1);
    out_.setPath(state.section(QLatin1Char(' '), 2));
}

void WorksheetCupsTest::longSheetOnTheDefaultPrinter() {
    QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue_);
    for (const QString &old : out_.entryList({QStringLiteral("*.pdf")}, QDir::Files))
        out_.remove(old);

    TestProgram program;
    program.writeSettings(" 3 \r\n");
    MenuScreen &menu = program.start();
    {
        ModalBoxes password({QStringLiteral("=1000")});
        QTest::mouseClick(control<QPushButton>(&menu, "Befehl13"), Qt::LeftButton);
    }
    WorksheetDialog &dialog = testApp().worksheet();
    QVERIFY(dialog.isVisible());
    QPlainTextEdit *field = control<QPlainTextEdit>(&dialog, "Text1");
    field->setPlainText(QStringLiteral("Arbeitsblatt ") + QStringLiteral("Zahlen ").repeated(30));
    field->appendPlainText(QString());
    Random::seed(2026);
    QComboBox *types = control<QComboBox>(&dialog, "Kombi1");
    for (int press = 0; press < 100; ++press) {
        types->setCurrentIndex(press % types->count());
        ::press(dialog, "Befehl3");
    }
    const QString sheet = dialog.worksheetText();

    ModalBoxes boxes({QStringLiteral("Ja")});
    press(dialog, "Befehl5");
    QCOMPARE(titles(boxes.seen), QStringList{QStringLiteral("Drucken")}); // no failure box
    QCOMPARE(dialog.worksheetText(), sheet);

    // Wait for the job, not for the file: the file is there before it is done.
    QVERIFY2(QTest::qWaitFor([&] { return !jobsPending(queue_); }, 120000),
             "the print job did not finish");
    const QStringList made = out_.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QCOMPARE(made.size(), 1);
    const QString printed = out_.filePath(made.first());

    // The same painting on a PDF file with the queue's page layout.
    QPrinter queuePrinter(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    QTemporaryDir dir;
    const QString reference = dir.filePath(QStringLiteral("reference.pdf"));
    auto file = WorksheetPrinting::pdfPrinter(reference);
    file->setPageLayout(queuePrinter.pageLayout());
    QVERIFY(WorksheetPrinting::print(sheet, *file));

    const int expectedPages = int(WorksheetPrinting::pages(sheet, queuePrinter).size());
    QVERIFY2(expectedPages >= 3, qPrintable(QString::number(expectedPages)));
    QCOMPARE(WorksheetPdf::pageCount(printed), expectedPages);
    QCOMPARE(WorksheetPdf::pageCount(reference), expectedPages);
    QVERIFY(WorksheetPdf::noBlankPage(printed, dir.path()));

    // Every line on the reference pages, in order, nothing missing.
    const QStringList lines = WorksheetPdf::lines(reference);
    QCOMPARE(WorksheetPdf::ink(lines.join(QString())), WorksheetPdf::ink(sheet));
    const QStringList fonts = WorksheetPdf::fonts(reference);
    QCOMPARE(fonts.size(), 1);
    QVERIFY(fonts[0].contains(QStringLiteral("LiberationSans")) ||
            fonts[0].contains(QStringLiteral("Arial")));
}

QTEST_MAIN(WorksheetCupsTest)
#include "test_worksheet_cups.moc"
