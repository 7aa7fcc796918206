#include "NeighboursRules.h"

#include "core/NumberText.h"
#include "core/Random.h"
#include "core/Session.h"

namespace NeighboursRules {

int shownNumber(int drawn, int range) {
    int number = drawn == 0 ? 1 : drawn;
    if (number == range)
        number = range - 1;
    return number;
}

int expectedNeighbour(int number, const QString &place, Kind kind) {
    int unit = 1;
    if (place == QLatin1String("Z"))
        unit = 10;
    else if (place == QLatin1String("H"))
        unit = 100;
    else if (place == QLatin1String("T"))
        unit = 1000;
    else // the ones: the plain neighbours of the number
        return kind == Kind::Predecessor ? number - 1 : number + 1;

    const int below = number / unit * unit;
    return kind == Kind::Predecessor ? below : below + unit;
}

bool placeAllowed(const QString &place, int range) {
    if (place == QLatin1String("H"))
        return range >= 1000;
    if (place == QLatin1String("T"))
        return range >= 10000;
    return true;
}

QString answerTitle(const QString &place, Kind kind) {
    return place + (kind == Kind::Predecessor ? QStringLiteral("-Vorgänger")
                                              : QStringLiteral("-Nachfolger"));
}

Kind drawKind() {
    return Random::draw(2) == 1 ? Kind::Predecessor : Kind::Successor;
}

NeighboursTask drawTask(const Session &session, const QString &place) {
    NeighboursTask task;
    task.shown = shownNumber(session.drawNumber(), session.range());
    task.kind = drawKind();
    task.place = place;
    task.expected = expectedNeighbour(task.shown, place, task.kind);
    return task;
}

bool isRight(const NeighboursTask &task, const QString &answer) {
    return answer == NumberText::digits(task.expected);
}

} // namespace NeighboursRules
