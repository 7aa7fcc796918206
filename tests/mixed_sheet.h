#pragma once

// A worksheet as a teacher makes one, typed and chosen through the dialog's
// own controls, with what its answer key must say.

#include "Program.h"
#include "worksheet_steps.h"

#include "core/Random.h"
#include "core/worksheets/WorksheetKey.h"
#include "core/worksheets/WorksheetTasks.h"
#include "ui/worksheets/WorksheetDialog.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

namespace {

inline QPlainTextEdit *field(WorksheetDialog &dialog) {
    return control<QPlainTextEdit>(&dialog, "Text1");
}

inline void typeLine(WorksheetDialog &dialog, const QString &text) {
    QPlainTextEdit *edit = field(dialog);
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// Presses " Übung" for the type; returns the text it appended.
inline QString addTask(WorksheetDialog &dialog, const QString &type) {
    dialog.typeList()->setCurrentIndex(dialog.typeList()->findText(type));
    const QString before = dialog.worksheetText();
    press(dialog, "Befehl3");
    return dialog.worksheetText().mid(before.size());
}

// A sheet as a teacher makes one: a heading, tasks of every type three
// times, a typed line that looks like a task, and one task line edited.
struct MixedSheet {
    QStringList keyLines;  // what the key must say, line by line
    QStringList untouched; // lines that must come back exactly as typed
};

inline MixedSheet makeMixedSheet(WorksheetDialog &dialog) {
    MixedSheet sheet;
    Random::seed(2024);
    typeLine(dialog, QStringLiteral("Klasse 2b"));
    sheet.keyLines << QStringLiteral("Klasse 2b");
    sheet.untouched << QStringLiteral("Klasse 2b");
    for (int round = 0; round < 3; ++round) {
        for (const QString &type : WorksheetTasks::types()) {
            const QString task = addTask(dialog, type);
            QStringList solved = WorksheetKey::solve(type, task).split(QStringLiteral("\r\n"));
            solved.removeLast();
            sheet.keyLines << solved;
        }
        typeLine(dialog, QStringLiteral(" 12 ___ 13"));
        sheet.keyLines << QStringLiteral(" 12 ___ 13");
        sheet.untouched << QStringLiteral(" 12 ___ 13");
    }
    // The teacher changes the first "Ziffern" line: it keeps its gap.
    const int zifferLine = 1 + 1 + 3; // heading, "<  =  >", three lines of "Ordnen"
    QTextCursor cursor(field(dialog)->document()->findBlockByNumber(zifferLine));
    const QString original = cursor.block().text();
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" (7)"));
    sheet.keyLines[zifferLine] = original + QStringLiteral(" (7)");
    sheet.untouched << sheet.keyLines[zifferLine];
    sheet.keyLines << QString(); // after the last line break
    return sheet;
}

} // namespace
