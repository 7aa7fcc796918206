// The German number words: the three word lists, the construction place by
// place, and the word of every number a task can draw.
#include "legacy/Modul1.h"
#include "numbers/NumberWords.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class NumberWordsTest : public QObject {
    Q_OBJECT
private slots:
    void words_data();
    void words();
    void wordListsAsTabled();
    void listsLeaveOtherSlotsAlone();
    void noCallDependsOnAnEarlierOne();
    void sevenPlacesPadsOnTheLeft();
    void everyTaskNumberHasItsOwnWord();
};

void NumberWordsTest::words_data() {
    QTest::addColumn<QString>("merker");
    QTest::addColumn<QString>("word");
    auto row = [](const char *merker, const char *word) {
        QTest::addRow("%s", merker) << QString::fromLatin1(merker) << QString::fromUtf8(word);
    };
    row("0000001", "eins");
    row("0000011", "elf");
    row("0000016", "sechszehn");
    row("0000020", "zwanzig");
    row("0000021", "einundzwanzig");
    row("0000030", "dreißig");
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
    row("0070000", "siebzigtausend");
    row("0100000", "einhunderttausend");
    row("0101000", "einhunderteintausend");
    row("0200000", "zweihunderttausend");
    row("0999999", "neunhundertneunundneunzigtausendneunhundertneunundneunzig");
    // No places at all, as the sliders at 0 show it.
    row("0000000", "");
    // The one seven-digit number of the largest range.
    row("1000000", "eine Million");
}

void NumberWordsTest::words() {
    QFETCH(QString, merker);
    QFETCH(QString, word);
    MODUL1::Merker = merker;
    MODUL1::ZahlWort = QStringLiteral("stale");
    MODUL1::BildeZahlWort();
    QCOMPARE(MODUL1::ZahlWort, word);
    QCOMPARE(MODUL1::Merker, merker); // only read
}

void NumberWordsTest::wordListsAsTabled() {
    const QStringList units = {"",     "ein",   "zwei",   "drei", "vier",
                               "fünf", "sechs", "sieben", "acht", "neun"};
    const QStringList tens = {"",        "zehn",    "zwanzig", "dreißig", "vierzig",
                              "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig"};
    const QStringList upToTwenty = {
        "",         "eins",     "zwei",      "drei",     "vier",     "fünf",     "sechs",
        "sieben",   "acht",     "neun",      "zehn",     "elf",      "zwölf",    "dreizehn",
        "vierzehn", "fünfzehn", "sechszehn", "siebzehn", "achtzehn", "neunzehn", "zwanzig"};
    MODUL1::LadeEiner();
    for (int slot = 0; slot <= 9; ++slot)
        QCOMPARE(MODUL1::Wort[slot], units[slot]);
    MODUL1::LadeZehner();
    for (int slot = 0; slot <= 9; ++slot) {
        QCOMPARE(MODUL1::Wort[slot], units[slot]);
        QCOMPARE(MODUL1::Wort[10 + slot], tens[slot]);
    }
    MODUL1::LadeBisZwanzig();
    for (int slot = 0; slot <= 20; ++slot)
        QCOMPARE(MODUL1::Wort[slot], upToTwenty[slot]);
}

void NumberWordsTest::listsLeaveOtherSlotsAlone() {
    MODUL1::LadeBisZwanzig();
    MODUL1::LadeEiner();
    QCOMPARE(MODUL1::Wort[1], QStringLiteral("ein"));
    QCOMPARE(MODUL1::Wort[12], QStringLiteral("zwölf"));
    QCOMPARE(MODUL1::Wort[20], QStringLiteral("zwanzig"));
    MODUL1::LadeZehner();
    QCOMPARE(MODUL1::Wort[20], QStringLiteral("zwanzig"));
}

void NumberWordsTest::noCallDependsOnAnEarlierOne() {
    // The thousands group of 1 000 borrows "ein" for slot 1; the next word must not keep it.
    MODUL1::Merker = QStringLiteral("0001000");
    MODUL1::BildeZahlWort();
    MODUL1::Merker = QStringLiteral("0000001");
    MODUL1::BildeZahlWort();
    QCOMPARE(MODUL1::ZahlWort, QStringLiteral("eins"));
    MODUL1::Wort.fill(QStringLiteral("x"));
    MODUL1::Merker = QStringLiteral("0021345");
    MODUL1::BildeZahlWort();
    QCOMPARE(MODUL1::ZahlWort, QStringLiteral("einundzwanzigtausenddreihundertfünfundvierzig"));
}

void NumberWordsTest::sevenPlacesPadsOnTheLeft() {
    QCOMPARE(sevenPlaces(QStringLiteral("345")), QStringLiteral("0000345"));
    QCOMPARE(sevenPlaces(QStringLiteral("1000000")), QStringLiteral("1000000"));
    QCOMPARE(numberWord(16), QStringLiteral("sechszehn"));
    QCOMPARE(MODUL1::Merker, QStringLiteral("0000016"));
}

void NumberWordsTest::everyTaskNumberHasItsOwnWord() {
    static const QRegularExpression lettersOnly(QStringLiteral("^[a-zäöüß]+$"));
    QSet<QString> seen;
    seen.reserve(999999);
    for (int n = 1; n <= 999999; ++n) {
        const QString word = numberWord(n);
        if (!lettersOnly.match(word).hasMatch())
            QFAIL(qPrintable(QStringLiteral("%1 gives '%2'").arg(n).arg(word)));
        seen.insert(word);
    }
    QCOMPARE(seen.size(), 999999);
}

QTEST_GUILESS_MAIN(NumberWordsTest)
#include "test_numberwords.moc"
