#pragma once

#include <QString>

// The folder every save dialog of the worksheet starts in: the one a
// worksheet PDF was last written to, kept per user in Qt's settings. Before
// the first, the documents folder where there is one, else the home folder.
namespace PdfFolder {

QString start();

// The file was written: its folder is where the next dialog starts.
void remember(const QString &writtenFile);

} // namespace PdfFolder
