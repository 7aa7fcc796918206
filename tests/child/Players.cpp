#include "Players.h"

void registerPlayers(Child &child) {
    child.addPlayer(QStringLiteral("Form1"), playMenu);
    child.addPlayer(QStringLiteral("memo"), playMemory);
    child.addPlayer(QStringLiteral("Form2"), playWords);
    child.addPlayer(QStringLiteral("Form3"), playDigits);
    child.addPlayer(QStringLiteral("Form4"), playQuantities);
    child.addPlayer(QStringLiteral("Form5"), playPictures);
    child.addPlayer(QStringLiteral("Form6"), playNumberLine);
    child.addPlayer(QStringLiteral("Form7"), playFamily);
    child.addPlayer(QStringLiteral("Form8"), playDecomposition);
    child.addPlayer(QStringLiteral("Form9"), playNeighbours);
    child.addPlayer(QStringLiteral("Form10"), playComparison);
    child.addPlayer(QStringLiteral("Form12"), playCounting);
    child.addPlayer(QStringLiteral("Form13"), playOrdering);
    child.addPlayer(QStringLiteral("Form11"), playWorksheet);
}
