#pragma once

#include <QString>

class QWidget;

// Asks where a worksheet PDF goes: Qt's own save dialog (not the desktop's),
// "Arbeitsblatt.pdf" in the current directory offered. "" when cancelled.
QString askPdfFileName(QWidget *parent);

// The title of that dialog.
QString pdfFileDialogTitle();
