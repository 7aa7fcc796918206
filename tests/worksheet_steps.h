#pragma once

// The steps every worksheet dialog test takes through the real controls.

#include "ModalBoxes.h"
#include "Program.h"

#include "ui/worksheets/WorksheetDialog.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Opens the dialog the way a teacher does: "Druck", then the range as the password.
inline WorksheetDialog &openWorksheets(MenuScreen &menu, int range) {
    ModalBoxes boxes({QStringLiteral("=%1").arg(range)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl13"), Qt::LeftButton);
    if (boxes.seen.size() != 1 || boxes.unexpected != 0)
        qFatal("the password prompt was not answered");
    return testApp().worksheet();
}

inline void press(WorksheetDialog &dialog, const char *button) {
    QTest::mouseClick(control<QPushButton>(&dialog, QString::fromLatin1(button)), Qt::LeftButton);
}

inline void choose(WorksheetDialog &dialog, const QString &type) {
    QComboBox *list = control<QComboBox>(&dialog, "Kombi1");
    list->setCurrentIndex(list->findText(type));
    QCOMPARE(list->currentText(), type);
}

inline QString fieldText(WorksheetDialog &dialog) {
    return control<QPlainTextEdit>(&dialog, "Text1")->toPlainText();
}

const QString thirty = QString(30, QLatin1Char('_'));

} // namespace
