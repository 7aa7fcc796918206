#pragma once

#include <QString>
#include <QStringList>

// The modal boxes of the program. Every message box and the input box are
// built here, so their wording, icons and buttons are the same everywhere and
// tests can answer them in one way.

enum class MsgIcon { None, Critical, Question, Information };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

// A modal box; with YesNo the second button (No) is the default and Escape or
// the close box count as No.
MsgResult msgBox(const QString &prompt, MsgIcon icon, MsgButtons buttons, const QString &title);

// A modal box offering a choice, the buttons in the given order, the first
// the default and the last the way out (Escape, close box); returns the
// index of the button pressed.
int choiceBox(const QString &prompt, MsgIcon icon, const QStringList &buttons,
              const QString &title);

// A modal input box; returns "" when cancelled.
QString inputBox(const QString &prompt, const QString &title, const QString &defaultText = {});

// Loads Qt's own German texts ("Ja", "Nein", "Abbrechen") once; the boxes
// above do it on first use, so start-up does not wait for it.
void installGermanTranslations();
