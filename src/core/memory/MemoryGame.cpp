#include "MemoryGame.h"

#include "core/Random.h"

#include <algorithm>

int MemoryGame::numberOn(int card) const {
    return isCard(card) ? numbers_[size_t(card - 1)] : 0;
}

bool MemoryGame::isFound(int card) const {
    return isDealt() && isCard(card) && found_[size_t(card - 1)];
}

bool MemoryGame::isFaceUp(int card) const {
    return isFound(card) || (isDealt() && isCard(card) && (card == first_ || card == second_));
}

void MemoryGame::turn(int card) {
    const Phase before = phase_;
    if (phase_ == Phase::NotDealt) {
        numbers_ = deal();
        found_.fill(false);
        first_ = 0;
        second_ = 0;
        phase_ = Phase::FirstCard;
    }
    // A found card is out of play, even while two other cards are up; the
    // first card clicked again stays up as the first card.
    if (!isCard(card) || found_[size_t(card - 1)] ||
        (phase_ == Phase::SecondCard && card == first_)) {
        if (phase_ != before)
            announce(before);
        return;
    }

    if (phase_ == Phase::Mismatch) {
        first_ = 0;
        second_ = 0;
    }
    if (first_ == 0) {
        first_ = card;
        phase_ = Phase::SecondCard;
    } else {
        second_ = card;
        phase_ = Phase::Mismatch;
        if (numberOn(first_) == numberOn(second_)) {
            found_[size_t(first_ - 1)] = true;
            found_[size_t(second_ - 1)] = true;
            // No card counts as up any more: the next click covers nothing.
            first_ = 0;
            second_ = 0;
            const bool allFound =
                std::all_of(found_.begin(), found_.end(), [](bool found) { return found; });
            phase_ = allFound ? Phase::GameOver : Phase::FirstCard;
        }
    }
    announce(before);
    if (phase_ == Phase::GameOver)
        emit gameOver();
}

void MemoryGame::clear() {
    const Phase before = phase_;
    phase_ = Phase::NotDealt;
    announce(before);
}

void MemoryGame::announce(Phase before) {
    emit boardChanged();
    if (phase_ != before)
        emit phaseChanged(phase_);
}

std::array<int, MemoryGame::cardCount> MemoryGame::deal() {
    std::array<int, cardCount> places{};
    for (int number = 1; number <= 9; ++number)
        for (int twice = 0; twice < 2; ++twice) {
            const auto free = [&places](int place) { return places[size_t(place - 1)] == 0; };
            const int firstFree =
                int(std::find(places.begin(), places.end(), 0) - places.begin()) + 1;
            const int place =
                Random::drawUntil([] { return Random::draw(cardCount); }, free, firstFree);
            places[size_t(place - 1)] = number;
        }
    return places;
}

QString MemoryGame::faceText(int number) {
    const QString digit = QString::number(number);
    return digit + QString(16, QLatin1Char(' ')) + digit;
}
