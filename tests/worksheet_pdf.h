#pragma once

// Reading a printed worksheet back from a PDF file with poppler's tools.

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

namespace WorksheetPdf {

inline bool toolsPresent() {
    for (const char *tool : {"pdftotext", "pdfinfo", "pdffonts", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

inline QString run(const QString &tool, const QStringList &arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text lines in reading order, from one page or from all.
inline QStringList lines(const QString &pdf, int page = 0) {
    QStringList arguments{QStringLiteral("-raw"), QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    QStringList found = run(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"))
                            .remove(QLatin1Char('\f'))
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return found;
}

inline int pageCount(const QString &pdf) {
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                   QRegularExpression::MultilineOption);
    return pages.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

// The font names embedded, one per font.
inline QStringList fonts(const QString &pdf) {
    QStringList names;
    const QStringList rows = run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'));
    for (const QString &row : rows.mid(2))
        if (!row.trimmed().isEmpty())
            names << row.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    return names;
}

struct Word {
    int page;
    QRectF box; // in points, from the page's top-left corner
    QSizeF pageSize;
};

// Every word with its box.
inline QList<Word> words(const QString &pdf) {
    QList<Word> found;
    const QRegularExpression pageRow(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    const QRegularExpression wordRow(QStringLiteral(
        "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">"));
    int page = 0;
    QSizeF size;
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    for (const QString &row : html.split(QLatin1Char('\n'))) {
        const auto p = pageRow.match(row);
        if (p.hasMatch()) {
            ++page;
            size = QSizeF(p.captured(1).toDouble(), p.captured(2).toDouble());
            continue;
        }
        const auto w = wordRow.match(row);
        if (w.hasMatch())
            found << Word{page,
                          QRectF(QPointF(w.captured(1).toDouble(), w.captured(2).toDouble()),
                                 QPointF(w.captured(3).toDouble(), w.captured(4).toDouble())),
                          size};
    }
    return found;
}

// Whether every page of the PDF has ink on it (rendered small, in grey).
inline bool noBlankPage(const QString &pdf, const QString &workDir) {
    const QString prefix = workDir + QStringLiteral("/page");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"), pdf, prefix});
    const int pages = pageCount(pdf);
    for (int page = 1; page <= pages; ++page) {
        QImage image;
        for (const QString &digits :
             {QString::number(page), QString::number(page).rightJustified(2, QLatin1Char('0')),
              QString::number(page).rightJustified(3, QLatin1Char('0'))})
            if (image.load(prefix + QLatin1Char('-') + digits + QStringLiteral(".pgm")))
                break;
        if (image.isNull())
            return false;
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = qGray(image.pixel(x, y)) < 128;
        if (!ink)
            return false;
    }
    return pages > 0;
}

// The text without any blanks or line breaks: what must all be on paper.
inline QString ink(const QString &text) {
    QString letters = text;
    letters.remove(QRegularExpression(QStringLiteral("\\s")));
    return letters;
}

} // namespace WorksheetPdf
