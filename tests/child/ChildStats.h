#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// What the scripted child did and found, for the summary and the verdict.
struct ChildStats {
    int actions = 0;
    QMap<QString, int> actionsPerScreen;
    QMap<QString, int> boxesByText; // "title: text"
    int boxes = 0;
    int richtigBoxes = 0; // "Richtig, bitte weiter!"
    int fehlerBoxes = 0;  // "Fehler, bitte nochmals!"
    int meantRight = 0;   // answers given as right ...
    int meantWrong = 0;   // ... and as wrong
    int rewards = 0;      // reward rounds fetched
    int countOffset = 0;  // differences of the count already reported
    // The worksheet text the dialog keeps on purpose: its length at the end of
    // the run and the longest it was, in characters (a long run's memory grows by it).
    qsizetype worksheetChars = 0;
    qsizetype worksheetCharsMost = 0;
    QStringList faults;
    double seconds = 0;

    void fault(const QString &message);
    // The summary as printed at the end of a run.
    QString summary(quint32 seed) const;
};
