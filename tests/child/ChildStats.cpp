#include "ChildStats.h"

namespace {
constexpr int faultsKept = 25; // the first ones tell the story; the rest only count
}

void ChildStats::fault(const QString &message) {
    if (faults.size() < faultsKept)
        faults << QStringLiteral("action %1: %2").arg(actions).arg(message);
    else if (faults.size() == faultsKept)
        faults << QStringLiteral("... more faults left out");
}

QString ChildStats::summary(quint32 seed) const {
    QString s;
    s += QStringLiteral("scripted child: seed %1, %2 actions in %3 s (%4 ms per 1000 actions)\n")
             .arg(seed)
             .arg(actions)
             .arg(seconds, 0, 'f', 2)
             .arg(actions ? seconds * 1e6 / actions : 0.0, 0, 'f', 0);
    s += QStringLiteral("  actions per screen:");
    for (auto it = actionsPerScreen.cbegin(); it != actionsPerScreen.cend(); ++it)
        s += QStringLiteral(" %1 %2").arg(it.key()).arg(it.value());
    s += QStringLiteral("\n  answers meant right %1, meant wrong %2; boxes seen %3: right %4, "
                        "wrong %5; rewards fetched %6\n")
             .arg(meantRight)
             .arg(meantWrong)
             .arg(boxes)
             .arg(richtigBoxes)
             .arg(fehlerBoxes)
             .arg(rewards);
    s += QStringLiteral("  worksheet text kept: %1 characters at the end, at most %2\n")
             .arg(worksheetChars)
             .arg(worksheetCharsMost);
    s += QStringLiteral("  boxes by title and text:\n");
    for (auto it = boxesByText.cbegin(); it != boxesByText.cend(); ++it)
        s += QStringLiteral("    %1 x %2\n").arg(it.value(), 5).arg(it.key());
    s += QStringLiteral("  faults: %1\n").arg(faults.size());
    for (const QString &f : faults)
        s += QStringLiteral("    %1\n").arg(f);
    if (!faults.isEmpty())
        s += QStringLiteral(
                 "  replay with ZUB_CHILD_SEED=%1 ZUB_CHILD_ACTIONS=%2 ZUB_CHILD_TRACE=1\n")
                 .arg(seed)
                 .arg(actions);
    return s;
}
