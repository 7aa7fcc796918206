#pragma once

#include "ui/ExerciseScreen.h"

class Session;

class Label;
class QScrollBar;

// The quantities exercise: the child builds the shown number from blocks,
// one scroll bar per place, and each bar's row of blocks follows it at once.
class Form4 : public ExerciseScreen {
    Q_OBJECT
public:
    explicit Form4(Session &session);

    void newTask() override;
    void checkAnswer() override { PruefeMenge(); }

    // Adds up the blocks and compares the sum with the task number.
    void PruefeMenge();

    // Each row takes its bar's value as its count and is drawn anew.
    void ZeichneTausender();
    void ZeichneHunderter();
    void ZeichneZehner();
    void ZeichneEiner();

    Label *zahlFeld() const { return zahl_; }
    // Sets the hundreds, tens, ones and thousands bars to 0, in that order.
    void setzeBalkenZurueck();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // A titled scroll bar from 0 to maximum, its left edge at left twips.
    QScrollBar *addBar(const QString &name, const QString &titleName, const QString &title,
                       int left, int maximum);

    QScrollBar *tausender_;
    QScrollBar *hunderter_;
    QScrollBar *zehner_;
    QScrollBar *einer_;
    Label *zahl_;
};

namespace MODUL1 {
// Draws a new number for the quantities screen and clears its blocks.
void NeueMengenAufgabe();
} // namespace MODUL1
