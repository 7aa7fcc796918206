#include "OrderingRules.h"

#include "core/NumberText.h"
#include "core/Random.h"

#include <algorithm>

namespace OrderingRules {

OrderingRow drawNumbers(int range) {
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

OrderingTask drawTask(int range) {
    OrderingTask task;
    task.shown = drawNumbers(range);
    task.sorted = sortedAscending(task.shown);
    return task;
}

QStringList shownTexts(const OrderingTask &task) {
    QStringList texts;
    for (int number : task.shown)
        texts << NumberText::digits(number);
    return texts;
}

bool isRight(const OrderingTask &task, const QStringList &boxes) {
    if (boxes.size() != qsizetype(task.sorted.size()))
        return false;
    for (size_t k = 0; k < task.sorted.size(); ++k) {
        if (NumberText::value(boxes[qsizetype(k)]) != double(task.sorted[k]))
            return false;
    }
    return true;
}

} // namespace OrderingRules
