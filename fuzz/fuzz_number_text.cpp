// Any bytes, read as UTF-8 and as Latin-1 text, through the numeric-prefix rule.
#include "NumberTextProperties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {
void require(const QString &problem, const QString &text) {
    if (problem.isEmpty())
        return;
    std::fprintf(stderr, "%s for \"%s\"\n", qPrintable(problem), qPrintable(text));
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto *bytes = reinterpret_cast<const char *>(data);
    const QString utf8 = QString::fromUtf8(bytes, qsizetype(size));
    require(NumberTextProperties::broken(utf8), utf8);
    const QString latin1 = QString::fromLatin1(bytes, qsizetype(size));
    require(NumberTextProperties::broken(latin1), latin1);
    return 0;
}
