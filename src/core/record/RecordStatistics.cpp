#include "RecordStatistics.h"

namespace RecordStatistics {

QList<ExerciseSummary> perExercise(const QList<AnswerRecord> &) {
    return {};
}

QList<DayCounts> perDay(const QList<AnswerRecord> &) {
    return {};
}

QList<Mistake> frequentMistakes(const QList<AnswerRecord> &, int) {
    return {};
}

QList<WeakSpot> weakSpots(const QList<AnswerRecord> &, int) {
    return {};
}

} // namespace RecordStatistics
