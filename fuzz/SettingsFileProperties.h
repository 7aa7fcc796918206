#pragma once

// What must hold for any settings file, shared by the fuzz target and the
// regression test that replays what the fuzzer found.
#include "core/SettingsFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

namespace SettingsFileProperties {

// Writes the bytes as a settings file in dir and reads it; returns the first
// property broken, or "".
inline QString broken(const QDir &dir, const QByteArray &bytes) {
    const QString path = dir.filePath(QStringLiteral("ZUBZAHL.INI"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            return QStringLiteral("cannot write the input");
    }
    const std::optional<int> read = SettingsFile::readFirstNumber(path);
    if (read != SettingsFile::readFirstNumber(path))
        return QStringLiteral("two readings differ");
    if (!read)
        return {};
    if (*read < -2000000000 || *read > 2000000000)
        return QStringLiteral("the number is out of range");
    // What the program writes back reads as the same number.
    const QString copy = dir.filePath(QStringLiteral("COPY.INI"));
    if (!SettingsFile::writeNumber(copy, *read))
        return QStringLiteral("cannot write the number back");
    if (SettingsFile::readFirstNumber(copy) != read)
        return QStringLiteral("the number written back reads differently");
    return {};
}

} // namespace SettingsFileProperties
