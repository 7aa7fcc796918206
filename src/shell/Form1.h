#pragma once

#include "platform/Screen.h"

#include <QList>

#include <functional>

class ExerciseScreen;
class QLabel;
class QPushButton;
class QScrollBar;

// The main menu: the range selector, the exercise buttons, the way into the
// worksheets, the reward and the info screen, and the only way out.
class Form1 : public Screen {
    Q_OBJECT
public:
    // One exercise button and the screen it opens.
    struct Exercise {
        QString button;                         // "Befehl2" ...
        std::function<ExerciseScreen *()> open; // creates the screen on first use
        bool limitTo10000 = false;
    };

    Form1();

    void setExercises(const QList<Exercise> &exercises) { exercises_ = exercises; }
    void setWorksheetScreen(std::function<Screen *()> open) { worksheet_ = std::move(open); }
    void setRewardScreen(std::function<Screen *()> open) { reward_ = std::move(open); }

    QLabel *counterLabel() const { return counter_; }
    QPushButton *rewardButton() const { return reward15_; }
    QScrollBar *rangeBar() const { return range_; }

    // The position of the range bar as the settings file stores it.
    static QString settingsPath() { return QStringLiteral("ZUBZAHL.INI"); }

    void rangeChanged(); // change handler of HBildlauf1

protected:
    void load() override;
    void closeBox() override { ende(); }

private:
    void ladeZahlenraum();
    void openExercise(const QString &button);
    void ende();
    void druck();
    void belohnung();
    void info();

    QLabel *counter_;
    QLabel *rangeCaption_;
    QScrollBar *range_;
    QPushButton *reward15_;
    QList<Exercise> exercises_;
    std::function<Screen *()> worksheet_;
    std::function<Screen *()> reward_;
};
