#pragma once

#include "record/AnswerRecord.h"

#include <QObject>

#include <array>

// What one run of the program shares between its screens: the number range
// chosen on the menu and the count of right answers with its reward rule.
// Screens report answers here; the menu listens for the reward.
class Session : public QObject {
    Q_OBJECT
public:
    // Right answers that earn one round of the memory game.
    static constexpr int rewardPrice = 20;

    // The range the menu starts with before the settings file is read.
    static constexpr int defaultRange = 20;

    // The ranges a child can choose, smallest first.
    static constexpr std::array<int, 6> ranges{20, 100, 1000, 10000, 100000, 1000000};

    int range() const { return range_; }
    // One of 20, 100, 1000, 10000, 100000 and 1000000; any other leaves the range.
    void setRange(int range);

    // A task number drawn uniformly from 1 .. range.
    int drawNumber() const;

    int count() const { return count_; }
    bool rewardDue() const { return count_ >= rewardPrice; }

    // A right answer counts one up; a wrong one counts nothing.
    void answerRight();
    void answerWrong();

    // Fetching the reward takes its price off the count (when it was earned).
    void takeReward();

    // For the learning record: a judged answer with what the child saw and
    // gave, and things done besides answering (a reward played, a sheet printed).
    void record(const AnswerRecord &answer) { emit judged(answer); }
    void record(const RecordEvent &event) { emit happened(event); }

signals:
    void answered(bool right);
    void countChanged(int count);
    // A right answer brought the count to the price or beyond.
    void rewardEarned();
    void judged(const AnswerRecord &answer);
    void happened(const RecordEvent &event);

private:
    int range_ = defaultRange;
    int count_ = 0;
};
