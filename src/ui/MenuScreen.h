#pragma once

#include "Screen.h"

#include <QList>

#include <functional>

class ExerciseScreen;
class Session;
class QLabel;
class QPushButton;
class QScrollBar;

// The main menu: the range selector, the exercise buttons, the way into the
// worksheets, the reward and the info screen, and the only way out.
class MenuScreen : public Screen {
    Q_OBJECT
public:
    // One exercise button and the screen it opens.
    struct Exercise {
        QString button;                         // "Befehl2" ...
        std::function<ExerciseScreen *()> open; // creates the screen on first use
        bool limitTo10000 = false;
    };

    explicit MenuScreen(Session &session);

    void setExercises(const QList<Exercise> &exercises) { exercises_ = exercises; }
    void setWorksheetScreen(std::function<Screen *()> open) { worksheet_ = std::move(open); }
    void setRewardScreen(std::function<Screen *()> open) { reward_ = std::move(open); }
    void setInfoScreen(std::function<Screen *()> open) { info_ = std::move(open); }

    QPushButton *rewardButton() const { return reward15_; }
    QScrollBar *rangeBar() const { return range_; }

    // The position of the range bar as the settings file stores it.
    static QString settingsPath() { return QStringLiteral("ZUBZAHL.INI"); }

    // Shows the range the bar stands at and hands it to the session.
    void rangeChanged();

    // Writes the range to the settings file; false when that failed.
    bool saveSetting() const;
    // The desktop session ends or the program was told to stop: the setting
    // is saved as "Ende" saves it, and the program ends without a question.
    void endWithoutAsking();

protected:
    void load() override;
    void closeBox() override { askToEnd(); }
    void keyPressEvent(QKeyEvent *event) override;

private:
    void loadRange();
    void openExercise(const QString &button);
    void askToEnd();
    void openWorksheets();
    void fetchReward();

    Session &session_;
    QLabel *rangeCaption_;
    QScrollBar *range_;
    QPushButton *reward15_;
    QList<Exercise> exercises_;
    std::function<Screen *()> worksheet_;
    std::function<Screen *()> reward_;
    std::function<Screen *()> info_;
};
