// Reading the program's number words back: every word it writes, and nothing
// that it does not write.
#include "core/numbers/NumberWordParser.h"
#include "core/numbers/NumberWords.h"

#include <QTest>

class NumberWordParserTest : public QObject {
    Q_OBJECT
private slots:
    void everyWordReadsBack();
    void words_data();
    void words();
    void otherTextsAreNoWord_data();
    void otherTextsAreNoWord();
};

void NumberWordParserTest::everyWordReadsBack() {
    qint64 wrong = 0;
    qint64 firstWrong = 0;
    for (qint64 n = 1; n <= 1000000; ++n) {
        if (NumberWordParser::valueOf(NumberWords::of(n)) != n && wrong++ == 0)
            firstWrong = n;
    }
    QVERIFY2(wrong == 0, qPrintable(QStringLiteral("%1 words read wrong, the first of %2 (%3)")
                                        .arg(wrong)
                                        .arg(firstWrong)
                                        .arg(NumberWords::of(firstWrong))));
}

void NumberWordParserTest::words_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<qint64>("value");
    const QList<QPair<const char *, qint64>> rows = {
        {"eins", 1},
        {"sechszehn", 16},
        {"einundzwanzig", 21},
        {"dreißig", 30},
        {"einhunderteins", 101},
        {"zweihundertzwölf", 212},
        {"eintausend", 1000},
        {"eintausendeins", 1001},
        {"einundzwanzigtausendsechszehn", 21016},
        {"einhunderteintausend", 101000},
        {"neunhundertneunundneunzigtausendneunhundertneunundneunzig", 999999},
        {"eine Million", 1000000},
    };
    for (const auto &[word, value] : rows)
        QTest::newRow(word) << QString::fromUtf8(word) << value;
}

void NumberWordParserTest::words() {
    QFETCH(QString, word);
    QFETCH(qint64, value);
    QCOMPARE(NumberWordParser::valueOf(word), value);
    QCOMPARE(NumberWords::of(value), word); // the rows are the program's own words
}

void NumberWordParserTest::otherTextsAreNoWord_data() {
    QTest::addColumn<QString>("text");
    for (const char *text : {"",
                             "null",
                             "ein",
                             "eine",
                             "sechzehn",
                             "einstausend",
                             "tausend",
                             "hundert",
                             "zehnhundert",
                             "einhundertundeins",
                             "zwanzigundeins",
                             "undzwanzig",
                             "eineundzwanzig",
                             "einhunderteinhundert",
                             "zweitausendtausend",
                             "Zwölf",
                             " zwölf",
                             "zwölf ",
                             "eine million",
                             "zwei Millionen",
                             "12",
                             "einhundertein",
                             "zwölfeins"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void NumberWordParserTest::otherTextsAreNoWord() {
    QFETCH(QString, text);
    QCOMPARE(NumberWordParser::valueOf(text), qint64(-1));
}

QTEST_APPLESS_MAIN(NumberWordParserTest)
#include "test_number_word_parser.moc"
