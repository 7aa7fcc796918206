#include "WorksheetOutput.h"

#include "PdfFileDialog.h"
#include "PdfFolder.h"
#include "WorksheetPrinting.h"
#include "ui/BoxScale.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

// What the boxes and dialogs say about one document.
struct Wording {
    QString question;
    QString failure;
    QString offer;
    QString fileName;
    QString fileDialogTitle;
    QString previewTitle;
};

const Wording &wordingOf(WorksheetOutput::Document document) {
    static const Wording sheet{
        QStringLiteral("Das Textfeld jetzt ausdrucken?\r "),
        QStringLiteral("Das Arbeitsblatt konnte nicht gedruckt werden!\r"),
        QStringLiteral("Das Arbeitsblatt als PDF-Datei speichern?\r"),
        QStringLiteral("Arbeitsblatt.pdf"),
        QStringLiteral("Arbeitsblatt als PDF-Datei speichern"),
        QStringLiteral("Vorschau: Arbeitsblatt"),
    };
    static const Wording key{
        QStringLiteral("Die Lösungen jetzt ausdrucken?\r "),
        QStringLiteral("Die Lösungen konnten nicht gedruckt werden!\r"),
        QStringLiteral("Die Lösungen als PDF-Datei speichern?\r"),
        QStringLiteral("Arbeitsblatt-Loesungen.pdf"),
        QStringLiteral("Lösungen als PDF-Datei speichern"),
        QStringLiteral("Vorschau: Lösungen"),
    };
    static const Wording record{
        QStringLiteral("Den Lernstand jetzt ausdrucken?\r "),
        QStringLiteral("Der Lernstand konnte nicht gedruckt werden!\r"),
        QStringLiteral("Den Lernstand als PDF-Datei speichern?\r"),
        QStringLiteral("Lernstand.pdf"),
        QStringLiteral("Lernstand als PDF-Datei speichern"),
        QStringLiteral("Vorschau: Lernstand"),
    };
    static const Wording classSheets{
        QStringLiteral("Die Arbeitsblätter der Klasse jetzt ausdrucken?\r "),
        QStringLiteral("Die Arbeitsblätter konnten nicht gedruckt werden!\r"),
        QStringLiteral("Die Arbeitsblätter als PDF-Datei speichern?\r"),
        QStringLiteral("Arbeitsblaetter-Klasse.pdf"),
        QStringLiteral("Arbeitsblätter der Klasse als PDF-Datei speichern"),
        QStringLiteral("Vorschau: Arbeitsblätter der Klasse"),
    };
    static const Wording classKeys{
        QStringLiteral("Die Lösungen dazu jetzt ausdrucken?\r "),
        QStringLiteral("Die Lösungen konnten nicht gedruckt werden!\r"),
        QStringLiteral("Die Lösungen als PDF-Datei speichern?\r"),
        QStringLiteral("Arbeitsblaetter-Klasse-Loesungen.pdf"),
        QStringLiteral("Lösungen der Klasse als PDF-Datei speichern"),
        QStringLiteral("Vorschau: Lösungen der Klasse"),
    };
    switch (document) {
    case WorksheetOutput::Document::Key:
        return key;
    case WorksheetOutput::Document::ClassSheets:
        return classSheets;
    case WorksheetOutput::Document::ClassKeys:
        return classKeys;
    case WorksheetOutput::Document::Record:
        return record;
    case WorksheetOutput::Document::Sheet:
        break;
    }
    return sheet;
}

const QString printTitle = QStringLiteral("Drucken");

} // namespace

WorksheetOutput::WorksheetOutput(QWidget *parent)
    : parent_(parent), printerSource_(&WorksheetPrinting::systemPrinter),
      askPdfPath_(&askPdfFileName) {}

void WorksheetOutput::print(Document document, const QString &text) {
    const Wording &words = wordingOf(document);
    if (msgBox(words.question, MsgIcon::Question, MsgButtons::YesNo, printTitle) == MsgResult::No)
        return;
    const std::unique_ptr<QPrinter> printer = printerSource_();
    if (!printer) {
        msgBox(QStringLiteral("Es ist kein Drucker eingerichtet!\r"), MsgIcon::Critical,
               MsgButtons::Ok, printTitle);
        offerPdf(document, text);
    } else if (!WorksheetPrinting::print(text, *printer)) {
        msgBox(words.failure, MsgIcon::Critical, MsgButtons::Ok, printTitle);
        offerPdf(document, text);
    } else if (delivered_) {
        delivered_(document, false, printer->printerName());
    }
}

void WorksheetOutput::offerPdf(Document document, const QString &text) {
    if (msgBox(wordingOf(document).offer, MsgIcon::Question, MsgButtons::YesNo, printTitle) ==
        MsgResult::No)
        return;
    savePdf(document, text, printTitle);
}

QString WorksheetOutput::suggestedPath(Document document) const {
    const bool key = document == Document::Key || document == Document::ClassKeys;
    const QString name = key && !sheetName_.isEmpty()
                             ? sheetName_ + QStringLiteral("-Loesungen.pdf")
                             : wordingOf(document).fileName;
    return QDir(PdfFolder::start()).filePath(name);
}

void WorksheetOutput::written(Document document, const QString &path) {
    PdfFolder::remember(path);
    if (document == Document::Sheet || document == Document::ClassSheets)
        sheetName_ = QFileInfo(path).completeBaseName();
}

void WorksheetOutput::preview(Document document, const QString &text) {
    const Wording &words = wordingOf(document);
    std::unique_ptr<QPrinter> printer = printerSource_();
    // Without a printer the preview shows the pages of the PDF file that
    // printing from it would write; Qt asks for that file, starting here.
    const bool toPdf = !printer;
    if (toPdf)
        printer = WorksheetPrinting::pdfPrinter(suggestedPath(document));
    QPrintPreviewDialog dialog(printer.get(), parent_);
    dialog.setWindowTitle(words.previewTitle);
    // Over a board in full screen the pages fill the display as well.
    BoxScale::likeFront(dialog);
    if (parent_ && parent_->window()->isFullScreen()) {
        // Placed first, so that Qt does not centre it over its parent.
        dialog.setGeometry(parent_->window()->geometry());
        dialog.setWindowState(Qt::WindowFullScreen);
    }
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { painted = WorksheetPrinting::print(text, *target); });
    // The dialog is accepted only after printing from it.
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!painted)
        msgBox(words.failure, MsgIcon::Critical, MsgButtons::Ok, printTitle);
    else if (toPdf)
        written(document, printer->outputFileName());
    if (painted && delivered_)
        delivered_(document, toPdf,
                   toPdf ? QFileInfo(printer->outputFileName()).fileName()
                         : printer->printerName());
}

bool WorksheetOutput::savePdf(Document document, const QString &text, const QString &boxTitle) {
    const QString path =
        askPdfPath_(parent_, wordingOf(document).fileDialogTitle, suggestedPath(document));
    if (path.isEmpty())
        return false;
    if (QFileInfo::exists(path) &&
        msgBox(QStringLiteral("Die Datei „%1“ gibt es schon.\nSoll sie ersetzt werden?\r")
                   .arg(QFileInfo(path).fileName()),
               MsgIcon::Question, MsgButtons::YesNo, boxTitle) == MsgResult::No)
        return false;
    if (!WorksheetPrinting::print(text, *WorksheetPrinting::pdfPrinter(path))) {
        msgBox(QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden!\r"),
               MsgIcon::Critical, MsgButtons::Ok, boxTitle);
        return false;
    }
    written(document, path);
    if (delivered_)
        delivered_(document, true, QFileInfo(path).fileName());
    return true;
}
