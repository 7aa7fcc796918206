#pragma once

// The scripted child: plays the whole program through its real widgets, one
// gesture (click, key, slider move, drop) per action, and after every action
// checks what must always hold. Each screen has a player that plans the next
// gestures on it; a screen without one gets the fallback player.

#include "ChildStats.h"
#include "ModalBoxes.h"
#include "Trace.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <random>

class Child;

// What a gesture must bring: no verdict box, the right-answer box, the
// wrong-answer box, or anything at all.
enum class Expect { Anything, Right, Wrong, NoVerdict };

// One gesture. act() does it once and says whether the step is complete; a
// step that is not (a slider not there yet) is done again as the next action.
struct Step {
    QString what;
    std::function<bool()> act;
    Expect expect = Expect::Anything;
};

// Plans the next steps on the screen shown (at least one).
using Player = std::function<void(Child &, QWidget *screen)>;

class Child {
public:
    explicit Child(quint32 seed);

    // Registers the player of the screen with this object name.
    void addPlayer(const QString &screenName, Player player) { players_[screenName] = player; }

    // Runs this many actions; the faults found are in stats().faults.
    void run(int actions);

    // For the players: chance, and adding steps to the plan.
    bool chance(double p);
    int pick(int n); // 0 .. n-1
    void add(const QString &what, std::function<bool()> act, Expect expect = Expect::Anything);
    // A gesture that is complete at once.
    void once(const QString &what, std::function<void()> act, Expect expect = Expect::Anything);
    // Whether the next answer is meant to be right (about half of them).
    bool answerRight();

    ChildStats &stats() { return stats_; }
    ModalBoxes &boxes() { return boxes_; }

private:
    QWidget *currentScreen();
    void doOneAction();
    // Judges the boxes of the action that completed the step.
    void checkVerdict(const Step &step);

    std::mt19937 rng_;
    ModalBoxes boxes_;
    QHash<QString, Player> players_;
    QList<Step> plan_;
    QWidget *planScreen_ = nullptr;
    int tries_ = 0;
    ChildStats stats_;
    Trace trace_;
};
