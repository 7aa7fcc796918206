// The answer key, the print preview and the PDF files of the worksheet
// dialog, driven through its buttons "Lösungen", "Vorschau" and "PDF", and
// read back from the PDF files with poppler's tools.
#include "ModalBoxes.h"
#include "Program.h"
#include "mixed_sheet.h"
#include "worksheet_pdf.h"
#include "worksheet_steps.h"

#include "core/Random.h"
#include "core/worksheets/WorksheetKey.h"
#include "core/worksheets/WorksheetTasks.h"
#include "ui/MenuScreen.h"
#include "ui/worksheets/PdfFolder.h"
#include "ui/worksheets/WorksheetDialog.h"
#include "ui/worksheets/WorksheetPrinting.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <utility>

namespace {

WorksheetDialog &openWorksheets(MenuScreen &menu) {
    return openWorksheets(menu, testApp().session().range());
}

// Whether each line that fits on the page comes back in order from the PDF
// (pdftotext drops leading blanks and runs of blanks).
bool linesInOrder(const QStringList &lines, const QStringList &printed, QPrinter &page,
                  QString *missing) {
    const QFontMetricsF metrics(WorksheetPrinting::printFont(), &page);
    qsizetype at = 0;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty() || metrics.horizontalAdvance(line) > page.width())
            continue;
        while (at < printed.size() && printed[at].simplified() != line.simplified())
            ++at;
        if (at == printed.size()) {
            *missing = line;
            return false;
        }
    }
    return true;
}

const QString crlf = QStringLiteral("\r\n");

} // namespace

class WorksheetAnswersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { QVERIFY(dir_.isValid()); }

    void keyOfAMixedSheetOnPaper();
    void keyWithoutPrinterOffersPdf();
    void emptySheetEmptyKey();
    void clearForgetsTheTasks();
    void previewShowsThePagesThatPrint_data();
    void previewShowsThePagesThatPrint();
    void previewCancelled();
    void pdfSavesSheetAndKey();
    void pdfFolderRememberedForTheUser();
    void pdfReplacesOnlyAfterAQuestion();
    void pdfThatCannotBeWritten();

private:
    QString path(const QString &name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

void WorksheetAnswersTest::initTestCase() {
    initTestApplication();
    if (!WorksheetPdf::toolsPresent())
        QSKIP("poppler-utils (pdftotext, pdfinfo, pdffonts, pdftoppm) are not installed");
}

void WorksheetAnswersTest::keyOfAMixedSheetOnPaper() {
    TestProgram program;
    program.writeSettings(" 3 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    const MixedSheet sheet = makeMixedSheet(dialog);
    const QString text = dialog.worksheetText();
    QCOMPARE(dialog.answerKey(), sheet.keyLines.join(crlf));

    const QString pdf = path(QStringLiteral("key.pdf"));
    dialog.setPrinterSource([&] { return WorksheetPrinting::pdfPrinter(pdf); });
    ModalBoxes boxes({QStringLiteral("Ja")});
    press(dialog, "Befehl6");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(dialog.worksheetText(), text); // the sheet itself stays

    const QStringList printed = WorksheetPdf::lines(pdf);
    auto page = WorksheetPrinting::pdfPrinter(path(QStringLiteral("measure.pdf")));
    const int pages = int(WorksheetPrinting::pages(dialog.answerKey(), *page).size());
    QString missing;
    QVERIFY2(linesInOrder(sheet.keyLines, printed, *page, &missing), qPrintable(missing));
    for (const QString &line : sheet.untouched)
        QVERIFY2(printed.contains(line.simplified()), qPrintable(line));
    QCOMPARE(WorksheetPdf::ink(printed.join(QString())),
             WorksheetPdf::ink(sheet.keyLines.join(QString())));
    // The answers are there: of the gaps only the typed, the edited and the
    // number lines keep theirs.
    const QStringList withGaps = printed.filter(QStringLiteral("_"));
    QCOMPARE(withGaps.size(), 3 + 1 + 3);
    QCOMPARE(pages, 2);
    QCOMPARE(WorksheetPdf::pageCount(pdf), pages);
}

void WorksheetAnswersTest::keyWithoutPrinterOffersPdf() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    dialog.setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
    QString title, offered;
    dialog.setPdfPathAsker([&](QWidget *, const QString &t, const QString &suggested) {
        title = t;
        offered = suggested;
        return path(QStringLiteral("loesungen.pdf"));
    });
    Random::script({(7 - 0.5) / 20});
    addTask(dialog, QStringLiteral("Ziffern"));
    const QString folder = PdfFolder::start();
    ModalBoxes boxes({"Ja", "OK", "Ja"});
    press(dialog, "Befehl6");
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(titles(boxes.seen), QStringList(3, QStringLiteral("Drucken")));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Die Lösungen jetzt ausdrucken?\r "));
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Question);
    QCOMPARE(boxes.seen[0].defaultButton, QStringLiteral("Nein"));
    QCOMPARE(boxes.seen[1].text, QStringLiteral("Es ist kein Drucker eingerichtet!\r"));
    QCOMPARE(boxes.seen[2].text, QStringLiteral("Die Lösungen als PDF-Datei speichern?\r"));
    QCOMPARE(title, QStringLiteral("Lösungen als PDF-Datei speichern"));
    QCOMPARE(offered, QDir(folder).filePath(QStringLiteral("Arbeitsblatt-Loesungen.pdf")));
    QCOMPARE(WorksheetPdf::lines(path(QStringLiteral("loesungen.pdf"))),
             QStringList{QStringLiteral("7 = sieben")});
}

void WorksheetAnswersTest::emptySheetEmptyKey() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    QCOMPARE(dialog.answerKey(), QString());
    const QString pdf = path(QStringLiteral("empty-key.pdf"));
    dialog.setPrinterSource([&] { return WorksheetPrinting::pdfPrinter(pdf); });
    ModalBoxes boxes({QStringLiteral("Ja")});
    press(dialog, "Befehl6");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(WorksheetPdf::pageCount(pdf), 1);
    QCOMPARE(WorksheetPdf::lines(pdf), QStringList());
}

void WorksheetAnswersTest::clearForgetsTheTasks() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    const QString task = addTask(dialog, QStringLiteral("Nachbarn"));
    QVERIFY(dialog.answerKey() != dialog.worksheetText());
    press(dialog, "Befehl4");          // Löschen
    field(dialog)->setPlainText(task); // typed again by hand: no longer the dialog's task
    QCOMPARE(dialog.answerKey(), task);
}

void WorksheetAnswersTest::previewShowsThePagesThatPrint_data() {
    QTest::addColumn<QString>("choice");
    QTest::addRow("sheet") << QStringLiteral("Arbeitsblatt");
    QTest::addRow("key") << QStringLiteral("Lösungen");
}

void WorksheetAnswersTest::previewShowsThePagesThatPrint() {
    QFETCH(QString, choice);
    const bool key = choice == QStringLiteral("Lösungen");
    TestProgram program;
    program.writeSettings(" 3 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    makeMixedSheet(dialog);
    const QString document = key ? dialog.answerKey() : dialog.worksheetText();
    const QString printedPdf = path(QStringLiteral("from-preview.pdf"));
    dialog.setPrinterSource([&] { return WorksheetPrinting::pdfPrinter(printedPdf); });

    int previewPages = -1;
    QString previewTitle;
    ModalBoxes boxes({choice});
    boxes.onOtherWindow = [&](QWidget *window) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(window);
        QVERIFY(preview);
        previewTitle = preview->windowTitle();
        auto *pages = preview->findChild<QPrintPreviewWidget *>();
        QVERIFY(pages);
        previewPages = pages->pageCount();
        pages->print(); // what the preview's print button ends in
        preview->accept();
    };
    press(dialog, "Befehl7");
    QCOMPARE(boxes.seen.size(), 1);
    const SeenBox &question = boxes.seen[0];
    QCOMPARE(question.title, QStringLiteral("Vorschau"));
    QCOMPARE(question.text, QStringLiteral("Was soll die Vorschau zeigen?\r"));
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(QSet<QString>(question.buttons.begin(), question.buttons.end()),
             (QSet<QString>{"Arbeitsblatt", QStringLiteral("Lösungen"), "Abbrechen"}));
    QCOMPARE(question.defaultButton, QStringLiteral("Arbeitsblatt"));
    QCOMPARE(previewTitle,
             key ? QStringLiteral("Vorschau: Lösungen") : QStringLiteral("Vorschau: Arbeitsblatt"));

    // The preview, the print from it and a PDF saved on its own: the same pages.
    QCOMPARE(previewPages, 2);
    QCOMPARE(WorksheetPdf::pageCount(printedPdf), previewPages);
    const QString savedPdf = path(QStringLiteral("saved.pdf"));
    QVERIFY(WorksheetPrinting::print(document, *WorksheetPrinting::pdfPrinter(savedPdf)));
    QCOMPARE(WorksheetPdf::pageCount(savedPdf), previewPages);
    for (int page = 1; page <= previewPages; ++page)
        QCOMPARE(WorksheetPdf::lines(printedPdf, page), WorksheetPdf::lines(savedPdf, page));
    QCOMPARE(WorksheetPdf::ink(WorksheetPdf::lines(printedPdf).join(QString())),
             WorksheetPdf::ink(document));
}

void WorksheetAnswersTest::previewCancelled() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    int previews = 0;
    ModalBoxes boxes({QStringLiteral("Abbrechen")});
    boxes.onOtherWindow = [&](QWidget *window) {
        ++previews;
        window->close();
    };
    press(dialog, "Befehl7");
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(previews, 0);
}

void WorksheetAnswersTest::pdfSavesSheetAndKey() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    Random::script({(13 - 0.5) / 20});
    addTask(dialog, QStringLiteral("Nachbarn"));
    typeLine(dialog, QStringLiteral("Bis morgen!"));
    QList<QStringList> asked;
    QList<QWidget *> parents;
    dialog.setPdfPathAsker([&](QWidget *parent, const QString &title, const QString &suggested) {
        asked << QStringList{title, suggested};
        parents << parent;
        return path(asked.size() == 1 ? QStringLiteral("both-sheet.pdf")
                                      : QStringLiteral("both-key.pdf"));
    });
    const QString folder = PdfFolder::start();
    ModalBoxes boxes({QStringLiteral("Ja")});
    press(dialog, "Befehl8");
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("PDF"));
    QCOMPARE(boxes.last().text, QStringLiteral("Auch die Lösungen als PDF speichern?\r"));
    QCOMPARE(boxes.last().buttons, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    QCOMPARE(asked.size(), 2);
    QCOMPARE(parents, (QList<QWidget *>{&dialog, &dialog}));
    QCOMPARE(asked[0], (QStringList{QStringLiteral("Arbeitsblatt als PDF-Datei speichern"),
                                    QDir(folder).filePath(QStringLiteral("Arbeitsblatt.pdf"))}));
    // The key beside its sheet, named after it.
    QCOMPARE(asked[1], (QStringList{QStringLiteral("Lösungen als PDF-Datei speichern"),
                                    path(QStringLiteral("both-sheet-Loesungen.pdf"))}));
    QCOMPARE(WorksheetPdf::lines(path(QStringLiteral("both-sheet.pdf"))),
             (QStringList{QStringLiteral("____ 13 ____"), QStringLiteral("Bis morgen!")}));
    QCOMPARE(WorksheetPdf::lines(path(QStringLiteral("both-key.pdf"))),
             (QStringList{QStringLiteral("12 13 14"), QStringLiteral("Bis morgen!")}));
}

void WorksheetAnswersTest::pdfFolderRememberedForTheUser() {
    // A user of their own: a home folder and Qt's settings, both empty.
    QTemporaryDir home, config;
    const QByteArray realHome = qgetenv("HOME");
    const QString realConfig = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
    qputenv("HOME", home.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", realHome);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, realConfig);
    });
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY2(documents.startsWith(home.path() + QLatin1Char('/')), qPrintable(documents));
    const QString klasse = path(QStringLiteral("Klasse2b"));
    QVERIFY(QDir().mkpath(klasse));

    QStringList offered;
    QString answer;
    const auto asker = [&](QWidget *, const QString &, const QString &suggested) {
        offered << suggested;
        return std::exchange(answer, QString()); // the file chosen once, then cancelled
    };
    const auto open = [&](TestProgram &program) -> WorksheetDialog & {
        program.writeSettings(" 1 \r\n");
        WorksheetDialog &dialog = openWorksheets(program.start());
        dialog.setPdfPathAsker(asker);
        dialog.setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
        return dialog;
    };
    {
        TestProgram program;
        WorksheetDialog &dialog = open(program);
        press(dialog, "Befehl8"); // cancelled: no documents folder yet
        QVERIFY(QDir().mkpath(documents));
        answer = klasse + QStringLiteral("/Blatt3.pdf");
        ModalBoxes boxes({QStringLiteral("Ja")});
        press(dialog, "Befehl8"); // the sheet saved, then the key offered
        QCOMPARE(boxes.seen.size(), 1);
    }
    TestProgram program; // the next start of the program
    WorksheetDialog &dialog = open(program);
    ModalBoxes boxes({"Ja", "OK", "Ja"});
    press(dialog, "Befehl5");
    QCOMPARE(boxes.seen.size(), 3);
    QCOMPARE(offered, (QStringList{QDir(home.path()).filePath(QStringLiteral("Arbeitsblatt.pdf")),
                                   QDir(documents).filePath(QStringLiteral("Arbeitsblatt.pdf")),
                                   klasse + QStringLiteral("/Blatt3-Loesungen.pdf"),
                                   klasse + QStringLiteral("/Arbeitsblatt.pdf")}));
    // Kept in the user's own settings file of the program.
    QVERIFY(QFile::exists(config.filePath(QStringLiteral("zubzahlen/zubzahlen.conf"))));
}

void WorksheetAnswersTest::pdfReplacesOnlyAfterAQuestion() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    field(dialog)->setPlainText(QStringLiteral("Neues Blatt"));
    const QString target = path(QStringLiteral("alt.pdf"));
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("altes Blatt");
    }
    dialog.setPdfPathAsker([&](QWidget *, const QString &, const QString &) { return target; });

    {
        ModalBoxes keep({QStringLiteral("Nein")});
        press(dialog, "Befehl8");
        QCOMPARE(keep.seen.size(), 1); // no question about the key after that
        QCOMPARE(keep.last().title, QStringLiteral("PDF"));
        QCOMPARE(keep.last().text,
                 QStringLiteral("Die Datei „alt.pdf“ gibt es schon.\nSoll sie ersetzt werden?\r"));
        QCOMPARE(keep.last().icon, QMessageBox::Question);
        QCOMPARE(keep.last().defaultButton, QStringLiteral("Nein"));
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("altes Blatt"));
    }

    ModalBoxes replace({QStringLiteral("Ja"), QStringLiteral("Nein")});
    press(dialog, "Befehl8");
    QCOMPARE(replace.seen.size(), 2);
    QCOMPARE(replace.last().text, QStringLiteral("Auch die Lösungen als PDF speichern?\r"));
    QCOMPARE(WorksheetPdf::lines(target), QStringList{QStringLiteral("Neues Blatt")});
}

void WorksheetAnswersTest::pdfThatCannotBeWritten() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    WorksheetDialog &dialog = openWorksheets(program.start());
    field(dialog)->setPlainText(QStringLiteral("bleibt"));
    dialog.setPdfPathAsker([&](QWidget *, const QString &, const QString &) {
        return path(QStringLiteral("no/such/dir/blatt.pdf"));
    });
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    ModalBoxes boxes({QStringLiteral("OK")});
    press(dialog, "Befehl8");
    QCOMPARE(boxes.unexpected, 0);
    QCOMPARE(boxes.seen.size(), 1); // and no question about the key
    QCOMPARE(boxes.last().title, QStringLiteral("PDF"));
    QCOMPARE(boxes.last().text, QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(dialog.worksheetText(), QStringLiteral("bleibt"));
    QVERIFY(!QFile::exists(path(QStringLiteral("no/such/dir/blatt.pdf"))));
}

QTEST_MAIN(WorksheetAnswersTest)
#include "test_worksheet_answers.moc"
