#include "PdfFileDialog.h"

#include <QFileDialog>

QString askPdfFileName(QWidget *parent, const QString &title, const QString &suggestedPath) {
    QFileDialog dialog(parent, title, suggestedPath, QStringLiteral("PDF-Dateien (*.pdf)"));
    // Qt's own dialog looks the same everywhere and can be answered in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Replacing a file is the caller's question, asked in its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}
