#include "WorksheetDialog.h"

#include "PdfFileDialog.h"
#include "WorksheetPrinting.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"
#include "core/Session.h"
#include "core/worksheets/WorksheetTasks.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>
#include <QWindow>

namespace {

constexpr int screenWidth = 9600;
constexpr int rowTop = 120;
constexpr int rowHeight = 420;
constexpr int buttonWidth = 1200;
constexpr int buttonStep = 1320;

const QString printTitle = QStringLiteral("Drucken");

} // namespace

WorksheetDialog::WorksheetDialog(const Session &session)
    : Screen(QStringLiteral("Form11"), QStringLiteral("Arbeitsblatt drucken . . .")),
      session_(session), printerSource_(&WorksheetPrinting::systemPrinter), askPdfPath_(&askPdfFileName),
      beep_(&QApplication::beep) {
    setFixedSize(tw(screenWidth), tw(6600));

    struct Button {
        const char *name;
        const char *caption;
        void (WorksheetDialog::*click)();
    };
    static const Button buttons[] = {
        {"Befehl1", "Abbruch", &WorksheetDialog::cancel},
        {"Befehl5", "Drucken", &WorksheetDialog::print},
        {"Befehl2", " Kopieren", &WorksheetDialog::copy},
        {"Befehl4", "Löschen", &WorksheetDialog::clear},
        {"Befehl3", " Übung", &WorksheetDialog::addTask},
    };
    int left = 120;
    for (const Button &b : buttons) {
        QPushButton *button = addButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption),
                                        twRect(left, rowTop, buttonWidth, rowHeight));
        connect(button, &QPushButton::clicked, this, b.click);
        left += buttonStep;
    }

    typeList_ = new QComboBox(this);
    typeList_->setObjectName(QStringLiteral("Kombi1"));
    typeList_->setGeometry(twRect(left, rowTop, screenWidth - 120 - left, rowHeight));

    textField_ = new QPlainTextEdit(this);
    textField_->setObjectName(QStringLiteral("Text1"));
    textField_->setGeometry(twRect(120, 720, screenWidth - 240, 5760));
    textField_->setFont(QFont(QStringLiteral("Arial"), 12));

    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focused) {
        if (focused && focused != windowHandle())
            lastOtherWasModal_ = focused->modality() != Qt::NonModal;
    });
}

void WorksheetDialog::load() {
    placeCentred();
    typeList_->clear();
    typeList_->addItems(WorksheetTasks::types());
}

void WorksheetDialog::showEvent(QShowEvent *event) {
    Screen::showEvent(event);
    selectWords();
}

bool WorksheetDialog::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate && !lastOtherWasModal_)
        selectWords();
    return Screen::event(event);
}

void WorksheetDialog::selectWords() {
    typeList_->setCurrentIndex(WorksheetTasks::wordsIndex);
}

QString WorksheetDialog::worksheetText() const {
    return textField_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void WorksheetDialog::append(const QString &text) {
    // Only the new lines go in at the end: the sheet may be long, and the
    // text before them stays exactly as it is.
    QTextCursor end(textField_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    // A task the program puts in is no step to undo, as "Löschen" is none:
    // Ctrl+Z takes back only what was typed since, and the history does not
    // grow with every task of a long session.
    textField_->document()->clearUndoRedoStacks();
    textField_->setTextCursor(end);
    textField_->ensureCursorVisible();
}

void WorksheetDialog::addTask() {
    const QString type = typeList_->currentText();
    if (type.isEmpty()) {
        msgBox(QStringLiteral("Bitte eine Auswahl treffen!\r"), MsgIcon::None, MsgButtons::Ok,
               QStringLiteral("Übungsart"));
        return;
    }
    append(WorksheetTasks::taskText(type, session_.range()));
}

void WorksheetDialog::clear() {
    textField_->setPlainText(QString());
}

void WorksheetDialog::copy() {
    QGuiApplication::clipboard()->setText(worksheetText());
    beep_();
}

void WorksheetDialog::print() {
    if (msgBox(QStringLiteral("Das Textfeld jetzt ausdrucken?\r "), MsgIcon::Question,
               MsgButtons::YesNo, printTitle) == MsgResult::No)
        return;
    const QString text = worksheetText();
    const std::unique_ptr<QPrinter> printer = printerSource_();
    if (!printer) {
        msgBox(QStringLiteral("Es ist kein Drucker eingerichtet!\r"), MsgIcon::Critical,
               MsgButtons::Ok, printTitle);
        offerPdf(text);
    } else if (!WorksheetPrinting::print(text, *printer)) {
        msgBox(QStringLiteral("Das Arbeitsblatt konnte nicht gedruckt werden!\r"),
               MsgIcon::Critical, MsgButtons::Ok, printTitle);
        offerPdf(text);
    }
}

void WorksheetDialog::offerPdf(const QString &text) {
    if (msgBox(QStringLiteral("Das Arbeitsblatt als PDF-Datei speichern?\r"), MsgIcon::Question,
               MsgButtons::YesNo, printTitle) == MsgResult::No)
        return;
    const QString path = askPdfPath_(this);
    if (path.isEmpty())
        return;
    if (!WorksheetPrinting::print(text, *WorksheetPrinting::pdfPrinter(path)))
        msgBox(QStringLiteral("Die PDF-Datei konnte nicht geschrieben werden!\r"),
               MsgIcon::Critical, MsgButtons::Ok, printTitle);
}

void WorksheetDialog::cancel() {
    leave();
}
