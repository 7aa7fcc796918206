#include "Form11.h"

#include "PdfFileDialog.h"
#include "WorksheetPrinting.h"
#include "WorksheetTasks.h"
#include "legacy/Screens.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"

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

Form11::Form11()
    : Screen(QStringLiteral("Form11"), QStringLiteral("Arbeitsblatt drucken . . .")),
      printerSource_(&WorksheetPrinting::systemPrinter), askPdfPath_(&askPdfFileName),
      beep_(&QApplication::beep) {
    setFixedSize(tw(screenWidth), tw(6600));

    struct Button {
        const char *name;
        const char *caption;
        void (Form11::*click)();
    };
    static const Button buttons[] = {
        {"Befehl1", "Abbruch", &Form11::abbruch},    {"Befehl5", "Drucken", &Form11::drucken},
        {"Befehl2", " Kopieren", &Form11::kopieren}, {"Befehl4", "Löschen", &Form11::loeschen},
        {"Befehl3", " Übung", &Form11::uebung},
    };
    int left = 120;
    for (const Button &b : buttons) {
        QPushButton *button = addButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption),
                                        twRect(left, rowTop, buttonWidth, rowHeight));
        connect(button, &QPushButton::clicked, this, b.click);
        left += buttonStep;
    }

    kombi1_ = new QComboBox(this);
    kombi1_->setObjectName(QStringLiteral("Kombi1"));
    kombi1_->setGeometry(twRect(left, rowTop, screenWidth - 120 - left, rowHeight));

    text1_ = new QPlainTextEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(twRect(120, 720, screenWidth - 240, 5760));
    text1_->setFont(QFont(QStringLiteral("Arial"), 12));

    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focused) {
        if (focused && focused != windowHandle())
            lastOtherWasModal_ = focused->modality() != Qt::NonModal;
    });
}

void Form11::load() {
    placeCentred();
    kombi1_->clear();
    kombi1_->addItems(WorksheetTasks::types());
}

void Form11::showEvent(QShowEvent *event) {
    Screen::showEvent(event);
    selectWords();
}

bool Form11::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate && !lastOtherWasModal_)
        selectWords();
    return Screen::event(event);
}

void Form11::selectWords() {
    kombi1_->setCurrentIndex(WorksheetTasks::wordsIndex);
}

QString Form11::worksheetText() const {
    return text1_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void Form11::append(const QString &text) {
    // Only the new lines go in at the end: the sheet may be long, and the
    // text before them stays exactly as it is.
    QTextCursor end(text1_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    text1_->setTextCursor(end);
    text1_->ensureCursorVisible();
}

void Form11::uebung() {
    const QString type = kombi1_->currentText();
    if (type.isEmpty()) {
        msgBox(QStringLiteral("Bitte eine Auswahl treffen!\r"), MsgIcon::None, MsgButtons::Ok,
               QStringLiteral("Übungsart"));
        return;
    }
    append(WorksheetTasks::taskText(type));
}

void Form11::loeschen() {
    text1_->setPlainText(QString());
}

void Form11::kopieren() {
    QGuiApplication::clipboard()->setText(worksheetText());
    beep_();
}

void Form11::drucken() {
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

void Form11::offerPdf(const QString &text) {
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

void Form11::abbruch() {
    leave();
}
