#pragma once

#include "WorksheetOutput.h"
#include "core/worksheets/AppendedTasks.h"
#include "ui/Screen.h"

#include <functional>

class QComboBox;
class Session;
class QPlainTextEdit;

// The worksheet dialog: tasks of any exercise type are appended to one text
// field, which can be edited by hand, emptied, copied and printed. The text
// lives only in the field and stays there from one visit to the next. The
// dialog remembers the tasks it appended, so that it can print, preview and
// save the sheet's answer key as well as the sheet.
class WorksheetDialog : public Screen {
    Q_OBJECT
public:
    explicit WorksheetDialog(const Session &session);

    QComboBox *typeList() const { return typeList_; }
    QPlainTextEdit *textField() const { return textField_; }

    // The worksheet as text, every line break as CR LF.
    QString worksheetText() const;

    // The sheet with the answers of every task the dialog appended that is
    // still there unchanged; all other lines as they are.
    QString answerKey() const;

    // Where printing goes (the system printer unless a test says otherwise);
    // a null printer means there is none.
    void setPrinterSource(WorksheetOutput::PrinterSource source) {
        output_.setPrinterSource(std::move(source));
    }
    // Asks for the PDF file to save to; "" = cancelled.
    void setPdfPathAsker(WorksheetOutput::PdfPathAsker ask) {
        output_.setPdfPathAsker(std::move(ask));
    }
    void setDelivered(WorksheetOutput::Delivered delivered) {
        output_.setDelivered(std::move(delivered));
    }
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }
    // What "Lernstand" opens.
    void setRecordOpener(std::function<void()> open) { openRecord_ = std::move(open); }

    // Appends one task of the type drawn from the range, as " Übung" does,
    // so that the answer key knows it.
    void appendTask(const QString &type, int range);

    // The click handlers of the buttons: "Abbruch", "Drucken", " Kopieren",
    // " Übung", "Löschen", then "Lösungen", "Vorschau", "PDF" and "Lernstand".
    void cancel();
    void print();
    void copy();
    void addTask();
    void clear();
    void printKey();
    void preview();
    void savePdf();
    void openRecord();

protected:
    void load() override;
    void closeBox() override { cancel(); }
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;

private:
    void selectWords();
    void append(const QString &text);

    const Session &session_;
    QComboBox *typeList_;
    QPlainTextEdit *textField_;
    AppendedTasks appended_;
    WorksheetOutput output_;
    std::function<void()> beep_;
    std::function<void()> openRecord_;
    // Whether the window that had the focus before this one was a modal box:
    // coming back from a box is no new visit.
    bool lastOtherWasModal_ = false;
};
