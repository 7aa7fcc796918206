#include "PdfFileDialog.h"

#include <QDir>
#include <QFileDialog>

QString pdfFileDialogTitle() {
    return QStringLiteral("Arbeitsblatt als PDF-Datei speichern");
}

QString askPdfFileName(QWidget *parent) {
    QFileDialog dialog(parent, pdfFileDialogTitle(),
                       QDir::current().filePath(QStringLiteral("Arbeitsblatt.pdf")),
                       QStringLiteral("PDF-Dateien (*.pdf)"));
    // Qt's own dialog looks the same everywhere and can be answered in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
