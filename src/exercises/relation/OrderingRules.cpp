#include "OrderingRules.h"

#include "core/NumberText.h"
#include "core/Random.h"

#include <algorithm>

OrderingRow drawOrderingNumbers(int range) {
    OrderingRow row{};
    for (size_t i = 0; i < row.size(); ++i) {
        row[i] = Random::draw(range);
        for (size_t j = 0; j < i; ++j) {
            if (row[i] == row[j])
                row[i] += 1;
        }
    }
    return row;
}

OrderingRow sortedAscending(OrderingRow numbers) {
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

bool orderingCorrect(const QStringList &boxes, const OrderingRow &sorted) {
    if (boxes.size() != qsizetype(sorted.size()))
        return false;
    for (size_t k = 0; k < sorted.size(); ++k) {
        if (NumberText::value(boxes[qsizetype(k)]) != double(sorted[k]))
            return false;
    }
    return true;
}
