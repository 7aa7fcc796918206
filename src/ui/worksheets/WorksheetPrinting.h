#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

// The worksheet on paper: Arial 18 point from the top-left corner inside a
// margin of 15 mm (or the printer's own, where larger), one text line after
// the other. A line wider than that area is wrapped, and a new page starts
// when the next line does not fit, so nothing of the text is lost. Printer,
// preview and PDF file get the same pages.
namespace WorksheetPrinting {

// A line that begins with it begins a new page.
constexpr QChar pageBreak = QChar(0x0c);

QFont printFont();

// The lines of each page as they will be painted on this printer.
QList<QStringList> pages(const QString &text, QPrinter &printer);

// Paints the pages and ends the document; false when the printer refused the
// job or failed on the way.
bool print(const QString &text, QPrinter &printer);

// The system's default printer (or else the first one there is); null when
// no printer is set up.
std::unique_ptr<QPrinter> systemPrinter();

// A printer that writes a PDF file.
std::unique_ptr<QPrinter> pdfPrinter(const QString &path);

} // namespace WorksheetPrinting
