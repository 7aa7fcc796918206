#include "SettingsFile.h"

#include "NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
// Far more than any sensible first field with blanks in front of it.
constexpr qint64 maxBytesRead = 4096;
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

    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!number.match(field).hasMatch())
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
