#pragma once

#include <QString>

// One task of the words exercise: a number word to read and its digits to type.
struct WordsTask {
    QString word;
    QString expected;
};
