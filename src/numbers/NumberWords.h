#pragma once

#include <QString>

#include <array>

// The German number word of a number held as a seven-place digit string.
// The word is built place by place from three small word lists; every piece
// is looked up in the shared table Wort after the list it needs is loaded.
namespace MODUL1 {

// The result of BildeZahlWort.
extern QString ZahlWort;
// The word table, slots 0 to 20; each fill routine writes only its own slots.
extern std::array<QString, 21> Wort;

// Unit words for compounds: "ein" .. "neun" in slots 1 .. 9.
void LadeEiner();
// Compound units in 1 .. 9 and the tens words in 11 .. 19 (slot 10 + tens digit).
void LadeZehner();
// The free-standing words "eins" .. "zwanzig" in slots 1 .. 20.
void LadeBisZwanzig();

// Reads Merker (seven digits, millions first) and writes its word into ZahlWort.
void BildeZahlWort();

} // namespace MODUL1

// The seven-place digit string of a number: 345 gives "0000345".
QString sevenPlaces(const QString &digits);

// The word of a number 0 .. 1 000 000, built through Merker and BildeZahlWort.
QString numberWord(qint64 number);
