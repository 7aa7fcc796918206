// The German number words: the construction place by place and the word of
// every number a task can draw.
#include "core/numbers/NumberWords.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class NumberWordsTest : public QObject {
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void sevenPlacesPadsOnTheLeft();
    void everyTaskNumberHasItsOwnWord();
};

void NumberWordsTest::words_data() {
    QTest::addColumn<QString>("places");
    QTest::addColumn<QString>("word");
    auto row = [](const char *places, const char *word) {
        QTest::addRow("%s", places) << QString::fromLatin1(places) << QString::fromUtf8(word);
    };
    row("0000001", "eins");
    row("0000011", "elf");
    row("0000012", "zwölf");
    row("0000016", "sechszehn");
    row("0000020", "zwanzig");
    row("0000021", "einundzwanzig");
    row("0000030", "dreißig");
    row("0000057", "siebenundfünfzig");
    row("0000100", "einhundert");
    row("0000101", "einhunderteins");
    row("0000116", "einhundertsechszehn");
    row("0000120", "einhundertzwanzig");
    row("0000200", "zweihundert");
    row("0000345", "dreihundertfünfundvierzig");
    row("0001000", "eintausend");
    row("0001001", "eintausendeins");
    row("0001021", "eintausendeinundzwanzig");
    row("0001100", "eintausendeinhundert");
    row("0011000", "elftausend");
    row("0016000", "sechszehntausend");
    row("0016016", "sechszehntausendsechszehn");
    row("0021000", "einundzwanzigtausend");
    row("0021345", "einundzwanzigtausenddreihundertfünfundvierzig");
    row("0070000", "siebzigtausend");
    row("0100000", "einhunderttausend");
    row("0101000", "einhunderteintausend");
    row("0200000", "zweihunderttausend");
    row("0999999", "neunhundertneunundneunzigtausendneunhundertneunundneunzig");
    // No places at all, as the sliders at 0 show it.
    row("0000000", "");
    // The one seven-digit number of the largest range.
    row("1000000", "eine Million");
    // Places the string does not reach read 0.
    row("", "");
    row("00003", "dreihundert");
}

void NumberWordsTest::words() {
    QFETCH(QString, places);
    QFETCH(QString, word);
    QCOMPARE(NumberWords::ofPlaces(places), word);
}

void NumberWordsTest::sevenPlacesPadsOnTheLeft() {
    QCOMPARE(NumberWords::sevenPlaces(345), QStringLiteral("0000345"));
    QCOMPARE(NumberWords::sevenPlaces(1000000), QStringLiteral("1000000"));
    QCOMPARE(NumberWords::of(16), QStringLiteral("sechszehn"));
    QCOMPARE(NumberWords::of(1000000), QStringLiteral("eine Million"));
}

void NumberWordsTest::everyTaskNumberHasItsOwnWord() {
    static const QRegularExpression lettersOnly(QStringLiteral("^[a-zäöüß]+$"));
    QSet<QString> seen;
    seen.reserve(999999);
    for (int n = 1; n <= 999999; ++n) {
        const QString word = NumberWords::of(n);
        if (!lettersOnly.match(word).hasMatch())
            QFAIL(qPrintable(QStringLiteral("%1 gives '%2'").arg(n).arg(word)));
        seen.insert(word);
    }
    QCOMPARE(seen.size(), 999999);
}

QTEST_GUILESS_MAIN(NumberWordsTest)
#include "test_number_words.moc"
