// Printing the worksheet: the page painting read back from PDF files (words,
// order, font, size, pages, nothing cut off), and what happens when there is
// no printer or the job fails.
#include "ModalBoxes.h"
#include "Program.h"
#include "worksheet_pdf.h"

#include "core/Random.h"
#include "core/worksheets/WorksheetTasks.h"
#include "ui/MenuScreen.h"
#include "ui/worksheets/PdfFileDialog.h"
#include "ui/worksheets/PdfFolder.h"
#include "ui/worksheets/WorksheetDialog.h"
#include "ui/worksheets/WorksheetPrinting.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

WorksheetDialog &openWorksheets(MenuScreen &menu) {
    ModalBoxes boxes({QStringLiteral("=%1").arg(testApp().session().range())});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl13"), Qt::LeftButton);
    return testApp().worksheet();
}

void press(WorksheetDialog &dialog, const char *button) {
    QTest::mouseClick(control<QPushButton>(&dialog, QString::fromLatin1(button)), Qt::LeftButton);
}

// A sheet of every type, some twice, and two hand-typed lines wider than the page.
QString mixedSheet() {
    QString sheet = QStringLiteral("Arbeitsblatt für Klasse 2b\r\n");
    Random::seed(99);
    for (int round = 0; round < 2; ++round)
        for (const QString &type : WorksheetTasks::types())
            sheet += WorksheetTasks::taskText(type, 20);
    sheet += QStringLiteral("Rechne ").repeated(40) + QStringLiteral("Ende\r\n");
    sheet += QString(150, QLatin1Char('_')) + QStringLiteral("\r\n");
    return sheet + QStringLiteral("Schluss");
}

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Zeile %1 =").arg(i) + QString(20, QLatin1Char('_'));
    return lines;
}

// The fixed part of the line pitch of Arial (Liberation Sans): a word box in
// poppler is ascent plus descent high, 1.117 times the point size.
constexpr double boxPerPoint = 1.117;

// 15 mm in points: the margin on every side of a PDF page.
constexpr double margin = 15 / 25.4 * 72;

} // namespace

class WorksheetPrintingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { QVERIFY(dir_.isValid()); }

    void printYesPrintsEveryLineInOrder();
    void arialEighteenInsideTheMargin();
    void longSheetOnAsManyPagesAsNeeded();
    void emptyFieldPrintsOnePage();
    void failureOffersPdf_data();
    void failureOffersPdf();
    void pdfThatCannotBeWritten();
    void pdfFileDialog();
    void pdfFileDialogCancelled();
    void pdfFileDialogLeavesReplacingToTheCaller();

private:
    QString path(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void WorksheetPrintingTest::initTestCase() {
    initTestApplication();
    if (!WorksheetPdf::toolsPresent())
        QSKIP("poppler-utils (pdftotext, pdfinfo, pdffonts, pdftoppm) are not installed");
}

void WorksheetPrintingTest::printYesPrintsEveryLineInOrder() {
    TestProgram program;
    program.writeSettings(" 4 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    const QString pdf = path(QStringLiteral("yes.pdf"));
    dialog.setPrinterSource([&] { return WorksheetPrinting::pdfPrinter(pdf); });
    const QString sheet = mixedSheet();
    control<QPlainTextEdit>(&dialog, "Text1")->setPlainText(sheet);
    QCOMPARE(dialog.worksheetText(), sheet);

    ModalBoxes boxes({QStringLiteral("Ja")});
    press(dialog, "Befehl5");
    QCOMPARE(titles(boxes.seen), QStringList{QStringLiteral("Drucken")});
    QVERIFY(QFile::exists(pdf));
    QCOMPARE(dialog.worksheetText(), sheet);

    // Short lines come back whole and in order (pdftotext drops leading blanks
    // and runs of blanks).
    const QStringList printed = WorksheetPdf::lines(pdf);
    auto measure = WorksheetPrinting::pdfPrinter(path(QStringLiteral("measure.pdf")));
    WorksheetPrinting::pages(QString(), *measure); // its page laid out as for printing
    const QFontMetricsF metrics(WorksheetPrinting::printFont(), measure.get());
    qsizetype at = 0;
    int whole = 0;
    for (const QString &line : sheet.split(QStringLiteral("\r\n"))) {
        if (line.trimmed().isEmpty() || metrics.horizontalAdvance(line) > measure->width())
            continue;
        ++whole;
        while (at < printed.size() && printed[at].simplified() != line.simplified())
            ++at;
        QVERIFY2(at < printed.size(), qPrintable(QStringLiteral("missing: ") + line));
    }
    QVERIFY(whole > 20);
    // And nothing at all is missing, the wrapped lines included.
    QCOMPARE(WorksheetPdf::ink(printed.join(QString())), WorksheetPdf::ink(sheet));
    QVERIFY(WorksheetPdf::noBlankPage(pdf, dir_.path()));
}

void WorksheetPrintingTest::arialEighteenInsideTheMargin() {
    const QString pdf = path(QStringLiteral("font.pdf"));
    QVERIFY(WorksheetPrinting::print(mixedSheet(), *WorksheetPrinting::pdfPrinter(pdf)));
    const QStringList fonts = WorksheetPdf::fonts(pdf);
    QCOMPARE(fonts.size(), 1);
    QVERIFY2(fonts[0].contains(QStringLiteral("LiberationSans")) ||
                 fonts[0].contains(QStringLiteral("Arial")),
             qPrintable(fonts[0]));

    const QList<WorksheetPdf::Word> words = WorksheetPdf::words(pdf);
    QVERIFY(!words.isEmpty());
    double rightmost = 0;
    for (const WorksheetPdf::Word &word : words) {
        const double points = word.box.height() / boxPerPoint;
        QVERIFY2(qAbs(points - 18.0) < 0.3, qPrintable(QString::number(points)));
        // Nothing runs into the margin.
        const QRectF inside(QPointF(margin, margin),
                            word.pageSize - QSizeF(2 * margin, 2 * margin));
        QVERIFY2(inside.adjusted(-0.5, -0.5, 0.5, 0.5).contains(word.box),
                 qPrintable(QStringLiteral("%1 %2").arg(word.box.left()).arg(word.box.right())));
        rightmost = qMax(rightmost, word.box.right());
    }
    // The first line starts at the margin's top-left corner, and the lines
    // too long for the page are wrapped at the margin, not before.
    QVERIFY2(qAbs(words[0].box.left() - margin) < 1.0,
             qPrintable(QString::number(words[0].box.left())));
    QVERIFY2(qAbs(words[0].box.top() - margin) < 1.0,
             qPrintable(QString::number(words[0].box.top())));
    QVERIFY(rightmost > words[0].pageSize.width() - margin - 30);
}

void WorksheetPrintingTest::longSheetOnAsManyPagesAsNeeded() {
    const QStringList lines = numberedLines(130);
    const QString sheet = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QString pdf = path(QStringLiteral("long.pdf"));
    auto printer = WorksheetPrinting::pdfPrinter(pdf);
    QVERIFY(WorksheetPrinting::print(sheet, *printer));

    // A4 is 842 points high, 757 within the margins; a line is 18 * 1.15 =
    // 20.7 points: 36 lines a page.
    QCOMPARE(WorksheetPdf::pageCount(pdf), 4);
    QCOMPARE(WorksheetPrinting::pages(sheet, *printer).size(), 4);
    QStringList all;
    for (int page = 1; page <= 4; ++page) {
        const QStringList onPage = WorksheetPdf::lines(pdf, page);
        QCOMPARE(onPage.size(), page < 4 ? 36 : 22);
        all += onPage;
    }
    QCOMPARE(all, lines);
    QVERIFY(WorksheetPdf::noBlankPage(pdf, dir_.path()));
}

void WorksheetPrintingTest::emptyFieldPrintsOnePage() {
    const QString pdf = path(QStringLiteral("empty.pdf"));
    QVERIFY(WorksheetPrinting::print(QString(), *WorksheetPrinting::pdfPrinter(pdf)));
    QCOMPARE(WorksheetPdf::pageCount(pdf), 1);
}

void WorksheetPrintingTest::failureOffersPdf_data() {
    QTest::addColumn<bool>("printerThere");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("fileChosen");
    QTest::addColumn<bool>("saved");
    const QStringList yesYes{"Ja", "OK", "Ja"};
    QTest::addRow("no printer, saved") << false << yesYes << "blatt.pdf" << true;
    QTest::addRow("no printer, not wanted")
        << false << QStringList{"Ja", "OK", "Nein"} << "" << false;
    QTest::addRow("no printer, dialog cancelled") << false << yesYes << "" << false;
    QTest::addRow("failed job, saved") << true << yesYes << "blatt.pdf" << true;
    QTest::addRow("failed job, not wanted")
        << true << QStringList{"Ja", "OK", "Nein"} << "" << false;
}

void WorksheetPrintingTest::failureOffersPdf() {
    QFETCH(bool, printerThere);
    QFETCH(QStringList, answers);
    QFETCH(QString, fileChosen);
    QFETCH(bool, saved);
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    const QString unreachable = path(QStringLiteral("no/such/dir/job.pdf"));
    dialog.setPrinterSource([&]() -> std::unique_ptr<QPrinter> {
        if (!printerThere)
            return nullptr;
        return WorksheetPrinting::pdfPrinter(unreachable); // the job cannot be written
    });
    int asked = 0;
    const QString target = fileChosen.isEmpty() ? QString() : path(fileChosen);
    QWidget *askedFor = nullptr;
    QString offered;
    dialog.setPdfPathAsker([&](QWidget *parent, const QString &, const QString &suggested) {
        ++asked;
        askedFor = parent;
        offered = suggested;
        return target;
    });
    const QString sheet = QStringLiteral("Name: ______\r\n 17 = ___\r\n");
    control<QPlainTextEdit>(&dialog, "Text1")->setPlainText(sheet);
    const QString folder = PdfFolder::start();

    if (printerThere)
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    ModalBoxes boxes(answers);
    press(dialog, "Befehl5");
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(boxes.seen.size(), 3);
    QCOMPARE(titles(boxes.seen), QStringList(3, QStringLiteral("Drucken")));
    const SeenBox &failure = boxes.seen[1];
    QCOMPARE(failure.text, printerThere
                               ? QStringLiteral("Das Arbeitsblatt konnte nicht gedruckt werden!\r")
                               : QStringLiteral("Es ist kein Drucker eingerichtet!\r"));
    QCOMPARE(failure.icon, QMessageBox::Critical);
    QCOMPARE(failure.buttons, QStringList{QStringLiteral("OK")});
    const SeenBox &offer = boxes.seen[2];
    QCOMPARE(offer.text, QStringLiteral("Das Arbeitsblatt als PDF-Datei speichern?\r"));
    QCOMPARE(offer.icon, QMessageBox::Question);
    QCOMPARE(offer.buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    QCOMPARE(offer.defaultButton, QStringLiteral("Nein"));

    QCOMPARE(asked, answers.last() == QStringLiteral("Ja") ? 1 : 0);
    if (asked) {
        QCOMPARE(askedFor, &dialog);
        QCOMPARE(offered, QDir(folder).filePath(QStringLiteral("Arbeitsblatt.pdf")));
    }
    QCOMPARE(dialog.worksheetText(), sheet);
    QVERIFY(!QFile::exists(unreachable));
    QCOMPARE(QFile::exists(path(QStringLiteral("blatt.pdf"))), saved);
    if (saved)
        QCOMPARE(WorksheetPdf::lines(path(QStringLiteral("blatt.pdf"))),
                 (QStringList{QStringLiteral("Name: ______"), QStringLiteral("17 = ___")}));
    QFile::remove(path(QStringLiteral("blatt.pdf")));
}

void WorksheetPrintingTest::pdfThatCannotBeWritten() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    dialog.setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
    dialog.setPdfPathAsker([&](QWidget *, const QString &, const QString &) {
        return path(QStringLiteral("missing/dir/blatt.pdf"));
    });
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    ModalBoxes boxes({"Ja", "OK", "Ja", "OK"});
    press(dialog, "Befehl5");
    QCOMPARE(boxes.seen.size(), 4);
    QCOMPARE(boxes.last().title, QStringLiteral("Drucken"));
    QCOMPARE(boxes.last().text, QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
}

void WorksheetPrintingTest::pdfFileDialog() {
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    QString title, filter, offered;
    bool saving = false;
    QTimer answer;
    answer.setInterval(5);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        answer.stop();
        title = dialog->windowTitle();
        filter = dialog->selectedNameFilter();
        saving = dialog->acceptMode() == QFileDialog::AcceptSave;
        offered = dialog->selectedFiles().value(0);
        // Typed into the name field, as a person does: selectFile() leaves the
        // field alone while it has the focus, which it has under Qt 6.8.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (name) {
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("rechnen"));
        }
        QMetaObject::invokeMethod(dialog, "accept");
    });
    answer.start();
    const QString chosen =
        askPdfFileName(nullptr, QStringLiteral("Arbeitsblatt als PDF-Datei speichern"),
                       QDir::current().filePath(QStringLiteral("Arbeitsblatt.pdf")));
    QDir::setCurrent(previous);
    QCOMPARE(title, QStringLiteral("Arbeitsblatt als PDF-Datei speichern"));
    QCOMPARE(filter, QStringLiteral("PDF-Dateien (*.pdf)"));
    QVERIFY(saving);
    QCOMPARE(QFileInfo(offered).fileName(), QStringLiteral("Arbeitsblatt.pdf"));
    QCOMPARE(QFileInfo(offered).absolutePath(), QFileInfo(dir_.path()).absoluteFilePath());
    QCOMPARE(chosen, QFileInfo(dir_.path()).absoluteFilePath() + QStringLiteral("/rechnen.pdf"));
}

void WorksheetPrintingTest::pdfFileDialogCancelled() {
    QTimer answer;
    answer.setInterval(5);
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            answer.stop();
            dialog->reject();
        }
    });
    answer.start();
    QCOMPARE(askPdfFileName(nullptr, QStringLiteral("PDF"), QDir::home().filePath("a.pdf")),
             QString());
}

void WorksheetPrintingTest::pdfFileDialogLeavesReplacingToTheCaller() {
    const QString existing = path(QStringLiteral("alt.pdf"));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    int questions = 0;
    QTimer answer;
    answer.setInterval(5);
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            ++questions; // Qt's own question would come here: say yes to it
            if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->accept();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal);
                   dialog && dialog->isVisible()) {
            // Queued: a question would wait in a loop of its own for this timer.
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        }
    });
    answer.start();
    const QString chosen = askPdfFileName(nullptr, QStringLiteral("PDF"), existing);
    answer.stop();
    QCOMPARE(questions, 0);
    QCOMPARE(chosen, QFileInfo(existing).absoluteFilePath());
}

QTEST_MAIN(WorksheetPrintingTest)
#include "test_worksheet_printing.moc"
