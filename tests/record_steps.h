#pragma once

// A learning record seeded for the tests and the pictures of the record view.

#include "core/record/AnswerRecord.h"
#include "store/RecordStore.h"

#include <QDateTime>

namespace {

// Monday morning, the day the seeded record ends.
inline QDateTime seededNow() {
    return QDateTime(QDate(2026, 3, 9), QTime(10, 0));
}

// Mia practised "Nachbarn" up to 1000 on three days, getting better, and
// "Ziffern" up to 100 once; Ole once. At every fourth task Mia needs a second try.
inline void seedRecord(RecordStore &store) {
    store.addChild(QStringLiteral("Mia"));
    store.addChild(QStringLiteral("Ole"));
    const QStringList neighbours = {QStringLiteral("Nachbarn (Zehner) von 4 099"),
                                    QStringLiteral("Nachbarn (Hunderter) von 512")};
    for (int day = 0; day < 3; ++day)
        for (int i = 0; i < 8; ++i) {
            const QDateTime at = seededNow().addDays(day - 2).addSecs(60 * i - 3600);
            const bool wrongFirst = i % 4 < 2 - day / 2;
            const QString task = neighbours.at(i % 2);
            AnswerRecord answer{QStringLiteral("Mia"),
                                QStringLiteral("Nachbarn"),
                                1000,
                                task,
                                wrongFirst ? QStringLiteral("4 100 und 4 110")
                                           : QStringLiteral("4 090 und 4 100"),
                                !wrongFirst,
                                1,
                                at,
                                9000};
            store.add(answer);
            if (wrongFirst) {
                answer.given = QStringLiteral("4 090 und 4 100");
                answer.right = true;
                answer.attempt = 2;
                answer.at = at.addSecs(20);
                store.add(answer);
            }
        }
    store.add(AnswerRecord{QStringLiteral("Mia"), QStringLiteral("Ziffern"), 100,
                           QStringLiteral("Ziffern: 57"), QStringLiteral("57"), true, 1,
                           seededNow().addSecs(-600), 4000});
    store.add(AnswerRecord{QStringLiteral("Ole"), QStringLiteral("Ziffern"), 20,
                           QStringLiteral("Ziffern: 12"), QStringLiteral("21"), false, 1,
                           seededNow().addSecs(-300), 5000});
}

} // namespace
