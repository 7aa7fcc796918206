#include "Session.h"

#include "Random.h"

#include <cmath>

void Session::setRange(int range) {
    switch (range) {
    case 20:
    case 100:
    case 1000:
    case 10000:
    case 100000:
    case 1000000:
        range_ = range;
        break;
    default:
        break;
    }
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
    if (count_ >= rewardPrice)
        count_ -= rewardPrice;
    emit countChanged(count_);
}
