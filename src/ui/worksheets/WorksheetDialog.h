#pragma once

#include "ui/Screen.h"

#include <functional>
#include <memory>

class QComboBox;
class Session;
class QPlainTextEdit;
class QPrinter;

// The worksheet dialog: tasks of any exercise type are appended to one text
// field, which can be edited by hand, emptied, copied and printed. The text
// lives only in the field and stays there from one visit to the next.
class WorksheetDialog : public Screen {
    Q_OBJECT
public:
    explicit WorksheetDialog(const Session &session);

    QComboBox *typeList() const { return typeList_; }
    QPlainTextEdit *textField() const { return textField_; }

    // The worksheet as text, every line break as CR LF.
    QString worksheetText() const;

    // Where printing goes (the system printer unless a test says otherwise);
    // a null printer means there is none.
    using PrinterSource = std::function<std::unique_ptr<QPrinter>()>;
    void setPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }
    // Asks for the PDF file to save to when printing failed; "" = cancelled.
    using PdfPathAsker = std::function<QString(QWidget *)>;
    void setPdfPathAsker(PdfPathAsker ask) { askPdfPath_ = std::move(ask); }
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    // The click handlers of the five buttons: "Abbruch", "Drucken",
    // " Kopieren", " Übung" and "Löschen".
    void cancel();
    void print();
    void copy();
    void addTask();
    void clear();

protected:
    void load() override;
    void closeBox() override { cancel(); }
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void selectWords();
    void append(const QString &text);
    void offerPdf(const QString &text);

    const Session &session_;
    QComboBox *typeList_;
    QPlainTextEdit *textField_;
    PrinterSource printerSource_;
    PdfPathAsker askPdfPath_;
    std::function<void()> beep_;
    // Whether the window that had the focus before this one was a modal box:
    // coming back from a box is no new visit.
    bool lastOtherWasModal_ = false;
};
