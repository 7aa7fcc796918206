#pragma once

#include "core/numbers/DigitsTask.h"
#include "core/numbers/WordsTask.h"
#include "core/quantities/PicturesTask.h"
#include "core/quantities/QuantitiesTask.h"
#include "core/relations/ComparisonTask.h"
#include "core/relations/CountingTask.h"
#include "core/relations/NeighboursTask.h"
#include "core/relations/OrderingTask.h"
#include "core/structure/DecompositionTask.h"
#include "core/structure/NumberFamilyTask.h"
#include "core/structure/NumberLineTask.h"

#include <QString>
#include <QStringList>

// A task as the learning record keeps it: the exercise's worksheet type
// name, a short German text a teacher can read, and what the child gave.
struct ShownTask {
    QString exercise;
    QString task;
    QString given;
};

// One description per exercise; numbers in the task text have their
// thousands grouped with a blank ("Nachbarn (Zehner) von 4 099").
namespace TaskDescriptions {

ShownTask of(const DigitsTask &task, const QString &given);
ShownTask of(const WordsTask &task, const QString &given);
ShownTask of(const QuantitiesTask &task); // the blocks set are the answer
ShownTask of(const PicturesTask &task, const QString &given);
ShownTask of(const NumberLineTask &task, const QString &given);
ShownTask of(const NumberFamilyTask &task, const QString &given);
ShownTask of(const DecompositionTask &task, const QString &given);
ShownTask of(const NeighboursTask &task, const QString &given);
// The signs in the squares, "_" for an empty one.
ShownTask of(const ComparisonTask &task, const QStringList &signs);
ShownTask of(const CountingTask &task, const QString &given);
// The numbers in the answer boxes, "_" for an empty one.
ShownTask of(const OrderingTask &task, const QStringList &boxes);

// Blocks as "4 T, 0 H, 9 Z, 9 E".
QString blocks(const BlockCounts &counts);

} // namespace TaskDescriptions
