#pragma once

#include <QString>

#include <optional>

// The one-line settings file: a whole number written as " 3 " CR LF.
namespace SettingsFile {

// The first field of the file as a whole number, or nothing when the file
// cannot be opened or read, or its first field is not a number. Reads only
// the first few bytes, whatever the size of the file.
std::optional<int> readFirstNumber(const QString &path);

// Writes the value as one line, replacing the file whole or not at all.
bool writeNumber(const QString &path, int value);

} // namespace SettingsFile
