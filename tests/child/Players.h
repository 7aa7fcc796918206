#pragma once

// The players of the scripted child, one per screen. Each plans the next few
// steps on its screen: an answer meant right or wrong, or something else a
// child does there (leave, ask for a new task, press a stray key ...).

#include "Child.h"

// Registers every player below under its screen's object name.
void registerPlayers(Child &child);

// For a screen without a player of its own: random buttons, keys and the close box.
Player fallbackPlayer();
// While the info screen is open beside another, now and then plans its "O k a y".
void maybeCloseInfo(Child &child);

void playMenu(Child &child, QWidget *screen);
void playMemory(Child &child, QWidget *screen);

void playDigits(Child &child, QWidget *screen);     // Form3
void playQuantities(Child &child, QWidget *screen); // Form4

void playWords(Child &child, QWidget *screen);         // Form2
void playPictures(Child &child, QWidget *screen);      // Form5
void playNumberLine(Child &child, QWidget *screen);    // Form6
void playFamily(Child &child, QWidget *screen);        // Form7
void playDecomposition(Child &child, QWidget *screen); // Form8
void playNeighbours(Child &child, QWidget *screen);    // Form9
void playCounting(Child &child, QWidget *screen);      // Form12

void playComparison(Child &child, QWidget *screen); // Form10
void playOrdering(Child &child, QWidget *screen);   // Form13

void playWorksheet(Child &child, QWidget *screen); // Form11
// The length of the worksheet text, 0 while the dialog does not exist.
qsizetype worksheetLength();
