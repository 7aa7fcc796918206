#include "CountingRules.h"

#include "core/NumberText.h"
#include "core/Random.h"

namespace CountingRules {

CountingStep readStep(const QString &text) {
    CountingStep step;
    step.up = text.startsWith(QLatin1Char('+'));
    step.width = NumberText::wholeNumber(text.mid(2));
    return step;
}

QString stepText(bool up, int width) {
    return (up ? QStringLiteral("+") : QStringLiteral("-")) + NumberText::withBlank(width);
}

QString randomStepText(bool up) {
    return stepText(up, Random::draw(10));
}

bool stepFits(const CountingStep &step, int range) {
    return step.width >= 0 && 4 * qint64(step.width) < range;
}

int drawStart(const CountingStep &step, int range) {
    if (!stepFits(step, range))
        return step.up ? 1 : range; // no row fits; callers never ask
    const qint64 fourSteps = 4 * qint64(step.width);
    return Random::drawUntil(
        [range] { return Random::draw(range); },
        [&](qint64 start) { return step.up ? start + fourSteps <= range : start - fourSteps >= 1; },
        step.up ? 1 : int(1 + fourSteps));
}

int startBox(const CountingStep &step) {
    return step.up ? 1 : 5;
}

int firstAnswerBox(const CountingStep &step) {
    return step.up ? 2 : 4;
}

int nextBox(const CountingStep &step, int box) {
    if (step.up)
        return box >= 5 ? 0 : box + 1;
    return box <= 1 ? 0 : box - 1;
}

namespace {
int stepped(const CountingStep &step, int number) {
    return step.up ? number + step.width : number - step.width;
}
} // namespace

CountingTask drawTask(const CountingStep &step, int range) {
    CountingTask task;
    task.step = step;
    task.start = drawStart(step, range);
    task.box = firstAnswerBox(step);
    task.expected = stepped(step, task.start);
    return task;
}

bool isRight(const CountingTask &task, const QString &answer) {
    return answer == NumberText::digits(task.expected);
}

bool moveOn(CountingTask &task) {
    const int next = nextBox(task.step, task.box);
    if (next == 0)
        return false;
    task.box = next;
    task.expected = stepped(task.step, task.expected);
    return true;
}

} // namespace CountingRules
