#pragma once

#include <QString>

// The rules of a counting row, without any widget: reading the step text,
// whether a step fits the range, where the row starts.
namespace ZaehlRegeln {

// A step as the step text tells it: "+ 10" is ten upwards, "- 3" three downwards.
struct Schritt {
    bool aufwaerts = true;
    int weite = 1;
};

// The sign decides the direction ("+" up, anything else down); the width is
// the number read from the third character on.
Schritt liesSchritt(const QString &text);

// "+ 10", "- 3": sign, one blank, the digits.
QString schrittText(bool aufwaerts, int weite);

// A random step of 1 .. 10 in the given direction: Int(Rnd * 10) + 1.
QString zufallsSchrittText(bool aufwaerts);

// A row of five numbers in 1 .. range needs four steps to fit below the range.
bool schrittPasst(const Schritt &schritt, int zahlenraum);

// The step text that replaces one that does not fit.
inline QString ersatzSchrittText() {
    return QStringLiteral("+ 1");
}

// The start of a row: Int(Rnd * range) + 1, drawn again until the four steps
// from it stay in 1 .. range. Only for a step that fits, so that a fitting
// start exists and every draw has a fair chance of finding one.
int zieheStart(const Schritt &schritt, int zahlenraum);

// The box that shows the start (1 counting up, 5 counting down) and the box
// the child fills first.
int startBox(const Schritt &schritt);
int ersteAntwortBox(const Schritt &schritt);

// The box that comes after this one in the row's direction, or 0 when this
// box completes the row.
int naechsteBox(const Schritt &schritt, int box);

} // namespace ZaehlRegeln
