#include "SettingsFile.h"

#include "NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
// Far more than any sensible first field with blanks in front of it.
constexpr qint64 maxBytesRead = 4096;

// An optional sign, then digits with an optional point, or a point and
// digits. Checked by hand: a regular expression would load PCRE at start-up.
bool isPlainNumber(const QString &text) {
    qsizetype i = text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')) ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

} // namespace

namespace SettingsFile {

std::optional<int> readFirstNumber(const QString &path) {
    if (QFileInfo(path).isDir())
        return std::nullopt;
    QFile file(path); // closed again whatever happens below
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(maxBytesRead);
    file.close();

    // Leading blanks are skipped; the field ends at a blank, a comma or the end of the line.
    qsizetype i = 0;
    while (i < head.size() && (head[i] == ' ' || head[i] == '\t'))
        ++i;
    qsizetype end = i;
    while (end < head.size() && !QByteArray(" \t,\r\n").contains(head[end]))
        ++end;
    const QString field = QString::fromLatin1(head.mid(i, end - i));

    if (!isPlainNumber(field))
        return std::nullopt;
    const double value = NumberText::value(field);
    if (value < -2e9 || value > 2e9)
        return std::nullopt;
    return int(NumberText::roundHalfEven(value));
}

bool writeNumber(const QString &path, int value) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray line = NumberText::withBlank(value).toLatin1() + " \r\n";
    if (file.write(line) != line.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace SettingsFile
