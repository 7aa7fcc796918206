#pragma once

#include "Screen.h"

class Label;
class Session;
class QLabel;
class QPushButton;

// The frame every exercise screen shares: "ENDE" and Escape go back to the
// menu, "OKAY" and Enter run the check, a click on the task label or F5 asks
// for a new task, and on typing screens the digit keys fill the answer label.
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

protected:
    // The verdict on an answer: counted in the session, told in a box.
    void reportRight();
    void reportWrong();

    // The label that digit typing fills (typing screens only). A screen whose
    // answer goes into one of several labels overrides typedField().
    void setTypedField(QLabel *field) { typedField_ = field; }
    virtual QLabel *typedField() const { return typedField_; }
    // A click on this label runs the new-task routine (and so does F5).
    void setNewTaskLabel(Label *label);
    // The task in words for a screen reader, where the screen shows it as a picture.
    void setSpokenTask(const QString &text) { setAccessibleDescription(text); }
    // Whether the first showing places the screen in the upper part of the display.
    void setPlacedOnLoad(bool on) { placedOnLoad_ = on; }

    void load() override;
    bool keyDown(int code) override;
    bool commandKey(int code) override;
    void closeBox() override { leave(); }

    // Backspace drops the last character; a main-row digit is appended.
    static void typeInto(QLabel *field, int code);

private:
    Session &session_;
    QPushButton *endButton_;
    QPushButton *okayButton_;
    QLabel *typedField_ = nullptr;
    Keys keys_;
    bool placedOnLoad_ = true;
    bool newTaskByClick_ = false;
};
