#include "WorksheetDialog.h"

#include "core/Session.h"
#include "core/worksheets/WorksheetTasks.h"
#include "ui/Dialogs.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QWindow>

namespace {

constexpr int screenWidth = 9600;
constexpr int rowTop = 120;
constexpr int rowHeight = 420;
constexpr int buttonWidth = 1200;
constexpr int buttonStep = 1320;
constexpr int fieldTop = 720;
constexpr int fieldHeight = 5760;
// The second row, for the printouts, sits below the text field.
constexpr int secondRowTop = fieldTop + fieldHeight + 120;
constexpr int screenHeight = secondRowTop + rowHeight + 120;

struct Button {
    const char *name;
    const char *caption;
    void (WorksheetDialog::*click)();
};

} // namespace

WorksheetDialog::WorksheetDialog(const Session &session)
    : Screen(QStringLiteral("Form11"), QStringLiteral("Arbeitsblatt drucken . . .")),
      session_(session), output_(this), beep_(&QApplication::beep) {
    setFixedSize(tw(screenWidth), tw(screenHeight));

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
    typeList_->setAccessibleName(QStringLiteral("Aufgabenart"));
    typeList_->setGeometry(twRect(left, rowTop, screenWidth - 120 - left, rowHeight));

    textField_ = new QPlainTextEdit(this);
    textField_->setObjectName(QStringLiteral("Text1"));
    textField_->setAccessibleName(QStringLiteral("Arbeitsblatt"));
    textField_->setGeometry(twRect(120, fieldTop, screenWidth - 240, fieldHeight));
    textField_->setFont(QFont(QStringLiteral("Arial"), 12));
    // Tab leaves the field, so the keyboard reaches every control and back.
    textField_->setTabChangesFocus(true);

    static const Button printouts[] = {
        {"Befehl6", "Lösungen", &WorksheetDialog::printKey},
        {"Befehl7", "Vorschau", &WorksheetDialog::preview},
        {"Befehl8", "PDF", &WorksheetDialog::savePdf},
        {"Befehl9", "Lernstand", &WorksheetDialog::openRecord},
    };
    // Tab reaches them after the list: the text field keeps Tab for itself.
    QWidget *before = typeList_;
    left = 120;
    for (const Button &b : printouts) {
        QPushButton *button = addButton(QString::fromLatin1(b.name), QString::fromUtf8(b.caption),
                                        twRect(left, secondRowTop, buttonWidth, rowHeight));
        connect(button, &QPushButton::clicked, this, b.click);
        setTabOrder(before, button);
        before = button;
        left += buttonStep;
    }
    setTabOrder(before, textField_);

    // A larger window gives the text field the room; the list widens with
    // it and the printout row stays below it.
    setKind(WindowKind::Growing);
    follow(typeList_, Qt::RightEdge);
    follow(textField_, Qt::RightEdge | Qt::BottomEdge);
    for (QPushButton *button : findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        if (button->y() >= tw(secondRowTop))
            follow(button, Qt::TopEdge | Qt::BottomEdge);

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

QString WorksheetDialog::answerKey() const {
    return appended_.answerKey(worksheetText());
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
    appendTask(type, session_.range());
}

void WorksheetDialog::appendTask(const QString &type, int range) {
    const QString task = WorksheetTasks::taskText(type, range);
    // The task goes in after whatever the last line holds so far.
    appended_.add(type, textField_->document()->lastBlock().text(), task);
    append(task);
}

void WorksheetDialog::openRecord() {
    if (openRecord_)
        openRecord_();
}

void WorksheetDialog::clear() {
    textField_->setPlainText(QString());
    appended_.clear();
}

void WorksheetDialog::copy() {
    QGuiApplication::clipboard()->setText(worksheetText());
    beep_();
}

void WorksheetDialog::print() {
    output_.print(WorksheetOutput::Document::Sheet, worksheetText());
}

void WorksheetDialog::printKey() {
    output_.print(WorksheetOutput::Document::Key, answerKey());
}

void WorksheetDialog::preview() {
    const int choice = choiceBox(
        QStringLiteral("Was soll die Vorschau zeigen?\r"), MsgIcon::Question,
        {QStringLiteral("Arbeitsblatt"), QStringLiteral("Lösungen"), QStringLiteral("Abbrechen")},
        QStringLiteral("Vorschau"));
    if (choice == 0)
        output_.preview(WorksheetOutput::Document::Sheet, worksheetText());
    else if (choice == 1)
        output_.preview(WorksheetOutput::Document::Key, answerKey());
}

void WorksheetDialog::savePdf() {
    const QString title = QStringLiteral("PDF");
    if (!output_.savePdf(WorksheetOutput::Document::Sheet, worksheetText(), title))
        return;
    if (msgBox(QStringLiteral("Auch die Lösungen als PDF speichern?\r"), MsgIcon::Question,
               MsgButtons::YesNo, title) == MsgResult::Yes)
        output_.savePdf(WorksheetOutput::Document::Key, answerKey(), title);
}

void WorksheetDialog::cancel() {
    leave();
}
