#pragma once

#include <QString>
#include <QtGlobal>

// Reads a number word of this program back into its number: exactly the words
// NumberWords::of writes for 1 .. 1 000 000, its own spellings included
// ("sechszehn", "eins" alone but "ein" in compounds, "eintausend",
// "eine Million"), and nothing else.
namespace NumberWordParser {

// The number the word names, or -1 for a text that is no such word.
qint64 valueOf(const QString &word);

} // namespace NumberWordParser
