#pragma once

#include <QString>

class QWidget;

// Asks where a worksheet PDF goes: Qt's own save dialog (not the desktop's)
// with this title, offering the suggested file. "" when cancelled. Whether an
// existing file may be replaced is the caller's question, asked in its words.
QString askPdfFileName(QWidget *parent, const QString &title, const QString &suggestedPath);
