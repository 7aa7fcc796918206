// The worksheet lines, recipe by recipe, against scripted random fractions.
#include "Fractions.h"
#include "core/Random.h"
#include "core/structure/NumberFamilyTask.h"
#include "core/worksheets/WorksheetRecipes.h"

#include <QSet>
#include <QTest>

using namespace WorksheetRecipes;

namespace {

// The fraction that makes Int(r * 10) give count.
double count(int c) {
    return (c + 0.5) / 10;
}

QString underscores(int n) {
    return QString(n, QLatin1Char('_'));
}

const QString crlf = QStringLiteral("\r\n");

using Recipe = QString (*)(int range);

} // namespace

Q_DECLARE_METATYPE(Recipe)

class WorksheetRecipesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { Random::seed(1); }

    void numberedLines_data();
    void numberedLines();
    void pictures_data();
    void pictures();
    void picturesWithoutAnySymbolDrawAgain();
    void picturesLettersFollowTheRange_data();
    void picturesLettersFollowTheRange();
    void countingStartsInsideTheRange_data();
    void countingStartsInsideTheRange();
    void fixedLines();
};

// Lines built from task numbers: the recipe, the range, the numbers drawn, the text.
void WorksheetRecipesTest::numberedLines_data() {
    QTest::addColumn<Recipe>("recipe");
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QString>("expected");

    QTest::addRow("comparison") << Recipe(comparisonLine) << 100 << QList<int>{5, 57, 100, 1, 42}
                                << QStringLiteral(" 5 ___ 57 ___ 100 ___ 1 ___ 42\r\n");
    QTest::addRow("digits") << Recipe(digitsLine) << 1000 << QList<int>{345}
                            << QStringLiteral(" 345 = ") + underscores(30) + crlf;
    QTest::addRow("digits top of range") << Recipe(digitsLine) << 1000000 << QList<int>{1000000}
                                         << QStringLiteral(" 1000000 = ") + underscores(30) + crlf;
    QTest::addRow("quantities 57")
        << Recipe(quantitiesLine) << 100 << QList<int>{57}
        << QStringLiteral("57 = ") + QStringList(12, QStringLiteral("__")).join('+') + crlf;
    QTest::addRow("quantities 100")
        << Recipe(quantitiesLine) << 100 << QList<int>{100} << QStringLiteral("100 = __\r\n");
    QTest::addRow("quantities 9999")
        << Recipe(quantitiesLine) << 10000 << QList<int>{9999}
        << QStringLiteral("9999 = ") + QStringList(36, QStringLiteral("__")).join('+') + crlf;
    QTest::addRow("neighbours one digit")
        << Recipe(neighboursLine) << 20 << QList<int>{7} << QStringLiteral("__  7  __\r\n");
    QTest::addRow("neighbours three digits") << Recipe(neighboursLine) << 1000 << QList<int>{345}
                                             << QStringLiteral("______  345  ______\r\n");
    QTest::addRow("decomposition 357") << Recipe(decompositionLine) << 1000 << QList<int>{357}
                                       << QStringLiteral("357 = ____+___+__\r\n");
    QTest::addRow("decomposition one digit")
        << Recipe(decompositionLine) << 20 << QList<int>{5} << QStringLiteral("5 = __\r\n");
    QTest::addRow("decomposition 10000") << Recipe(decompositionLine) << 10000 << QList<int>{10000}
                                         << QStringLiteral("10000 = ______+_____+____+___+__\r\n");
    QTest::addRow("counting range 1000")
        << Recipe(countingLine) << 1000 << QList<int>{345}
        << QStringLiteral(" 345") + QStringLiteral("  _____").repeated(6) + crlf;
}

void WorksheetRecipesTest::numberedLines() {
    QFETCH(Recipe, recipe);
    QFETCH(int, range);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, expected);
    QList<double> fractions;
    for (int n : numbers)
        fractions << fractionFor(n, range);
    Random::script(fractions);
    QCOMPARE(recipe(range), expected);
    QCOMPARE(Random::scriptLeft(), 0);
}

void WorksheetRecipesTest::pictures_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QList<int>>("counts"); // in the order they are drawn
    QTest::addColumn<QString>("expected");
    QTest::addRow("range 20") << 20 << QList<int>{3, 2} << QStringLiteral("Z+Z+Z+E+E");
    QTest::addRow("range 100, tens only") << 100 << QList<int>{2, 0} << QStringLiteral("Z+Z");
    QTest::addRow("range 1000") << 1000 << QList<int>{1, 0, 4} << QStringLiteral("H+E+E+E+E");
    QTest::addRow("range 10000") << 10000 << QList<int>{9, 0, 1, 0}
                                 << QStringLiteral("T+T+T+T+T+T+T+T+T+Z");
    QTest::addRow("range 1000000, one of each")
        << 1000000 << QList<int>{1, 1, 1, 1} << QStringLiteral("T+H+Z+E");
}

void WorksheetRecipesTest::pictures() {
    QFETCH(int, range);
    QFETCH(QList<int>, counts);
    QFETCH(QString, expected);
    QList<double> fractions;
    for (int c : counts)
        fractions << count(c);
    Random::script(fractions);
    QCOMPARE(picturesLine(range), QStringLiteral("________ = ") + expected + crlf);
    QCOMPARE(Random::scriptLeft(), 0);
}

void WorksheetRecipesTest::picturesWithoutAnySymbolDrawAgain() {
    // All counts 0 twice, then one unit: the line shows that one symbol.
    Random::script({count(0), count(0), count(0), count(0), count(0), count(1)});
    QCOMPARE(picturesLine(100), QStringLiteral("________ = E\r\n"));
    QCOMPARE(Random::scriptLeft(), 0);

    Random::script(
        {count(0), count(0), count(0), count(0), count(0), count(0), count(2), count(0)});
    QCOMPARE(pictureSymbols(10000), QStringLiteral("Z+Z+"));
}

void WorksheetRecipesTest::picturesLettersFollowTheRange_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("letters");
    QTest::addRow("20") << 20 << "ZE";
    QTest::addRow("100") << 100 << "ZE";
    QTest::addRow("1000") << 1000 << "HZE";
    QTest::addRow("10000") << 10000 << "THZE";
    QTest::addRow("1000000") << 1000000 << "THZE";
}

void WorksheetRecipesTest::picturesLettersFollowTheRange() {
    QFETCH(int, range);
    QFETCH(QString, letters);
    QSet<QChar> seen;
    for (int press = 0; press < 400; ++press) {
        const QString symbols = pictureSymbols(range);
        QVERIFY(symbols.endsWith(QLatin1Char('+')));
        for (QChar c : symbols)
            if (c != QLatin1Char('+'))
                seen.insert(c);
    }
    QCOMPARE(seen, QSet<QChar>(letters.begin(), letters.end()));
}

void WorksheetRecipesTest::countingStartsInsideTheRange_data() {
    QTest::addColumn<int>("range");
    QTest::addRow("20") << 20;
    QTest::addRow("100") << 100;
    QTest::addRow("1000000") << 1000000;
}

void WorksheetRecipesTest::countingStartsInsideTheRange() {
    QFETCH(int, range);
    // Scripted: too small, too large, then a fitting start.
    const int start = range == 20 ? 10 : 51;
    Random::script({fractionFor(3, range), fractionFor(range, range), fractionFor(start, range)});
    const QString gap = QStringLiteral("  ") + underscores(int(QString::number(start).size()) + 2);
    QCOMPARE(countingLine(range),
             QLatin1Char(' ') + QString::number(start) + gap.repeated(6) + crlf);
    QCOMPARE(Random::scriptLeft(), 0);

    for (int press = 0; press < 200; ++press) {
        const QString line = countingLine(range);
        const int n = line.section(QLatin1Char(' '), 1, 1).toInt();
        QVERIFY2(n >= 10 && n <= range - 10, qPrintable(line));
        if (range == 20)
            QCOMPARE(n, 10);
    }
}

void WorksheetRecipesTest::fixedLines() {
    QCOMPARE(numberLineLines(),
             QStringLiteral("|_________________________________________\r\n"
                            "| ' ' ' ' ^ ' ' ' ' | ' ' ' ' ^ ' ' ' ' | ' ' ' ' ^ ' ' ' ' "
                            "| ' ' ' ' ^ ' ' ' ' | ' ' ' ' ^ ' ' ' ' |\r\n"));
    QCOMPARE(wordsLine(QStringLiteral("siebzehn")), QStringLiteral("________ = siebzehn\r\n"));
    QCOMPARE(orderingLines({"5", "17", "3", "20", "11"}),
             QStringLiteral("\r\n5,   17,   3,   20,   11:\r\n"
                            "________ , ________ , ________ , ________ , ________\r\n"));
    const NumberFamilyTask::Members family{341, 351, 301, 391, 311, 371, 381, 321, 361, 331};
    QCOMPARE(familyLine(family),
             QStringLiteral(" 341, 351, 301, 391, 311, 371, 381, 321, 361, ______\r\n"));
}

QTEST_GUILESS_MAIN(WorksheetRecipesTest)
#include "test_worksheet_recipes.moc"
