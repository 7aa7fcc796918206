#include "BlockCounts.h"

namespace MODUL1 {

int AnzahlTausender = 0;
int AnzahlHunderter = 0;
int AnzahlZehner = 0;
int AnzahlEiner = 0;

} // namespace MODUL1

BlockCounts shownBlocks() {
    return {MODUL1::AnzahlTausender, MODUL1::AnzahlHunderter, MODUL1::AnzahlZehner,
            MODUL1::AnzahlEiner};
}

void setShownBlocks(const BlockCounts &counts) {
    MODUL1::AnzahlTausender = counts.tausender;
    MODUL1::AnzahlHunderter = counts.hunderter;
    MODUL1::AnzahlZehner = counts.zehner;
    MODUL1::AnzahlEiner = counts.einer;
}
