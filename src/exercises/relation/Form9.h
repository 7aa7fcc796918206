#pragma once

#include "ui/ExerciseScreen.h"

class Session;

class Label;

// The neighbours exercise: a number in one box, its predecessor or successor
// at the chosen place to be typed into the other.
class Form9 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form9(Session &session);

    void newTask() override;
    void checkAnswer() override { PruefeNachbar(); }

    // Compares the answer box with ZahlText.
    void PruefeNachbar();

    // The left (1) or right (2) box and the title above it.
    Label *box(int seite) const { return seite == 1 ? links_ : rechts_; }
    Label *titel(int seite) const { return seite == 1 ? linksTitel_ : rechtsTitel_; }
    // The chosen place, "E", "Z", "H" or "T": its only store is the caption of Bezeichnung5.
    QString stelle() const;

protected:
    QLabel *typedField() const override;

private:
    void waehleStelle(const QString &stelle);
    // The box the child types into, as Merker tells it (null before the first task).
    Label *antwortBox() const;

    Label *links_;
    Label *rechts_;
    Label *linksTitel_;
    Label *rechtsTitel_;
    Label *stelle_;
};
