#pragma once

#include "core/quantities/QuantitiesTask.h"
#include "ui/ExerciseScreen.h"

class Label;
class QScrollBar;

// The quantities exercise: the child builds the shown number from blocks,
// one scroll bar per place, and each bar's row of blocks follows it at once.
class QuantitiesScreen : public ExerciseScreen {
    Q_OBJECT
public:
    explicit QuantitiesScreen(Session &session);

    // Draws a new number and clears the bars and the blocks.
    void newTask() override;
    // Adds up the blocks and compares the sum with the shown number.
    void checkAnswer() override;
    ShownTask shownTask() const override;

    const QuantitiesTask &task() const { return task_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // A titled scroll bar from 0 to maximum, its left edge at left twips,
    // whose value is the count of blocks in place.
    QScrollBar *addBar(const QString &name, const QString &titleName, const QString &title,
                       int left, int maximum, int BlockCounts::*place);

    QuantitiesTask task_;
    QScrollBar *thousands_;
    QScrollBar *hundreds_;
    QScrollBar *tens_;
    QScrollBar *ones_;
    Label *number_;
};
