#include "Session.h"

#include "Random.h"

#include <algorithm>
#include <cmath>

void Session::setRange(int range) {
    if (std::find(ranges.begin(), ranges.end(), range) != ranges.end())
        range_ = range;
}

int Session::drawNumber() const {
    return int(std::floor(Random::fraction() * range_)) + 1;
}

void Session::answerRight() {
    ++count_;
    emit countChanged(count_);
    emit answered(true);
    if (rewardDue())
        emit rewardEarned();
}

void Session::answerWrong() {
    emit answered(false);
}

void Session::takeReward() {
    const bool earned = count_ >= rewardPrice;
    if (earned)
        count_ -= rewardPrice;
    emit countChanged(count_);
    if (earned)
        record(RecordEvent{{}, RecordEventKind::reward(), {}, QDateTime::currentDateTime()});
}
