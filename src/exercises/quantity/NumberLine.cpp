#include "NumberLine.h"

bool stepTooLarge(int range, int step) {
    if (range <= 1000 && step > 10)
        return true;
    return qint64(range) < 12 * qint64(step);
}

NumberLine placeNumberLine(qint64 drawn, int range, int step) {
    qint64 middle = drawn;
    if (middle < 6 * qint64(step))
        middle = 6 * qint64(step);
    if (middle > range - 6 * qint64(step))
        middle = range - 6 * qint64(step);
    return {middle, middle - 5 * qint64(step), middle + 5 * qint64(step)};
}
