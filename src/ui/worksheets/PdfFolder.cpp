#include "PdfFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString key = QStringLiteral("worksheets/pdfFolder");

bool isFolder(const QString &path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

namespace PdfFolder {

QString start() {
    // A folder removed since, or on a stick no longer there, is not offered.
    const QString last = QSettings().value(key).toString();
    if (isFolder(last))
        return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return isFolder(documents) ? documents : QDir::homePath();
}

void remember(const QString &writtenFile) {
    QSettings().setValue(key, QFileInfo(writtenFile).absolutePath());
}

} // namespace PdfFolder
