#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// Where a finished worksheet goes: the printer, Qt's print preview and PDF
// files, every page painted by WorksheetPrinting, with the questions and
// messages on the way. The sheet and its answer key go the same ways.
class WorksheetOutput {
public:
    // Record: the summary of the learning record. ClassSheets, ClassKeys:
    // one worksheet per child of a class and their keys, a page break between.
    enum class Document { Sheet, Key, Record, ClassSheets, ClassKeys };

    // Where printing goes; a null printer means there is none.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    // Asks for a PDF file (parent, dialog title, file offered); "" = cancelled.
    using PdfPathAsker =
        std::function<QString(QWidget *, const QString &title, const QString &suggestedPath)>;

    // Boxes and dialogs are shown for the parent.
    explicit WorksheetOutput(QWidget *parent);

    void setPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }
    void setPdfPathAsker(PdfPathAsker ask) { askPdfPath_ = std::move(ask); }
    // Told of every document that went out: to a printer (its name) or into a PDF file.
    using Delivered = std::function<void(Document document, bool pdf, const QString &where)>;
    void setDelivered(Delivered delivered) { delivered_ = std::move(delivered); }

    // Asks, then prints; with no printer, or when the job fails, says so and
    // offers to save a PDF file instead.
    void print(Document document, const QString &text);

    // Qt's print preview of the text: the pages as they will be printed, and
    // printing from there prints exactly those.
    void preview(Document document, const QString &text);

    // Asks for a file, starting in the folder last used, and writes the text
    // there as a PDF; an existing file is replaced only when the answer to a
    // question allows it. True when the file was written.
    bool savePdf(Document document, const QString &text, const QString &boxTitle);

private:
    void offerPdf(Document document, const QString &text);
    // The file offered first: in the folder last used, the key named after
    // the sheet saved last.
    QString suggestedPath(Document document) const;
    void written(Document document, const QString &path);

    QWidget *parent_;
    PrinterSource printerSource_;
    PdfPathAsker askPdfPath_;
    Delivered delivered_;
    QString sheetName_; // of the sheet's PDF saved last, without ".pdf"
};
