#pragma once

#include "Screen.h"
#include "core/record/TaskDescriptions.h"

#include <QElapsedTimer>

class Label;
class Session;
class QLabel;
class QPushButton;

// The frame every exercise screen shares: "ENDE" goes back to the menu,
// "OKAY" and Enter run the check, a click on the task label asks for a new
// task, and on typing screens the digit keys fill the answer label.
class ExerciseScreen : public Screen {
    Q_OBJECT
public:
    enum class Keys {
        EnterOnly,      // Enter runs the check; nothing else
        EnterAndDigits, // and digits and Backspace edit the typed field
        Own,            // the screen handles keys itself (override keyDown)
        None            // the screen takes no keys
    };

    ExerciseScreen(const QString &name, Keys keys, Session &session);

    QPushButton *endButton() const { return endButton_; }
    QPushButton *okayButton() const { return okayButton_; }

    // The exercise's new-task routine, as the menu runs it.
    virtual void newTask() = 0;
    // The check routine, run by "OKAY" and Enter.
    virtual void checkAnswer() = 0;

    Session &session() const { return session_; }

    // What the learning record keeps of the task on the screen and the answer
    // the child gives now; an empty exercise is not recorded.
    virtual ShownTask shownTask() const { return {}; }

protected:
    // The verdict on an answer: recorded, counted in the session, told in a box.
    void reportRight();
    void reportWrong();
    // For a screen that empties the answer before the box: what was given.
    void reportWrong(const QString &given);
    // A new task is on the screen: its time and its tries start now.
    void taskShown();

    // The label that digit typing fills (typing screens only). A screen whose
    // answer goes into one of several labels overrides typedField().
    void setTypedField(QLabel *field) { typedField_ = field; }
    virtual QLabel *typedField() const { return typedField_; }
    // A click on this label runs the new-task routine.
    void setNewTaskLabel(Label *label);
    // Whether the first showing places the screen in the upper part of the display.
    void setPlacedOnLoad(bool on) { placedOnLoad_ = on; }

    void load() override;
    bool keyDown(int code) override;
    void closeBox() override { leave(); }

    // Backspace drops the last character; a main-row digit is appended.
    static void typeInto(QLabel *field, int code);

private:
    void record(bool right, const QString *given = nullptr);

    Session &session_;
    QElapsedTimer shownTimer_;
    int attempt_ = 1;
    QPushButton *endButton_;
    QPushButton *okayButton_;
    QLabel *typedField_ = nullptr;
    Keys keys_;
    bool placedOnLoad_ = true;
};
