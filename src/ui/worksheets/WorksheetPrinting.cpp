#include "WorksheetPrinting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

namespace WorksheetPrinting {

namespace {

// The text's own lines; the line break after the last line opens no new one.
QStringList textLines(const QString &text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = plain.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// One text line broken into pieces that fit the width, at blanks where
// possible and anywhere in a word that is wider than the page by itself.
QStringList wrapped(const QString &line, qreal width, QPrinter &printer) {
    QTextLayout layout(line, printFont(), &printer);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine piece = layout.createLine(); piece.isValid(); piece = layout.createLine()) {
        piece.setLineWidth(width);
        pieces << line.mid(piece.textStart(), piece.textLength());
    }
    layout.endLayout();
    if (pieces.isEmpty())
        pieces << QString(); // an empty line still takes its place on paper
    return pieces;
}

// The margin a teacher expects on every side; a printer that cannot reach
// that far out keeps its own, larger one.
constexpr qreal marginMillimetres = 15.0;

void setMargins(QPrinter &printer) {
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const QMarginsF margins(
        qMax(marginMillimetres, least.left()), qMax(marginMillimetres, least.top()),
        qMax(marginMillimetres, least.right()), qMax(marginMillimetres, least.bottom()));
    printer.setPageMargins(margins, QPageLayout::Millimeter);
}

// Arial and its twin Liberation Sans set their lines 2355/2048 em apart
// (ascent, descent and the font's line gap). Qt 6.4 reports that as the line
// spacing, Qt 6.8 leaves the gap out: set here, a sheet breaks its pages at
// the same lines with either.
qreal linePitch(const QPrinter &printer) {
    const qreal em = printFont().pointSizeF() * printer.logicalDpiY() / 72.0;
    return em * 2355.0 / 2048.0;
}

} // namespace

QFont printFont() {
    return QFont(QStringLiteral("Arial"), 18);
}

QList<QStringList> pages(const QString &text, QPrinter &printer) {
    setMargins(printer);
    const QFontMetricsF metrics(printFont(), &printer);
    const qreal pageHeight = printer.height();
    QList<QStringList> sheet{QStringList()};
    qreal y = 0;
    for (QString line : textLines(text)) {
        // A form feed at a line's start begins a new page: one document per child.
        if (line.startsWith(pageBreak)) {
            line.remove(0, 1);
            if (y > 0) {
                sheet << QStringList();
                y = 0;
            }
        }
        for (const QString &piece : wrapped(line, printer.width(), printer)) {
            if (y > 0 && y + metrics.height() > pageHeight) {
                sheet << QStringList();
                y = 0;
            }
            sheet.last() << piece;
            y += linePitch(printer);
        }
    }
    return sheet;
}

bool print(const QString &text, QPrinter &printer) {
    printer.setDocName(QStringLiteral("Arbeitsblatt"));
    const QList<QStringList> sheet = pages(text, printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(printFont());
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(printFont(), &printer);
    bool ok = true;
    for (qsizetype page = 0; page < sheet.size() && ok; ++page) {
        if (page > 0 && !printer.newPage()) {
            ok = false;
            break;
        }
        qreal top = 0;
        for (const QString &line : sheet[page]) {
            painter.drawText(QPointF(0, top + metrics.ascent()), line);
            top += linePitch(printer);
        }
    }
    ok = painter.end() && ok;
    return ok && printer.printerState() != QPrinter::Error;
}

std::unique_ptr<QPrinter> systemPrinter() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        info = QPrinterInfo::availablePrinters().value(0);
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

} // namespace WorksheetPrinting
