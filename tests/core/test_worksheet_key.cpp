// The answer key: each type's rule against task texts made by the real
// recipes, round trips over many seeded draws, and the key of a whole sheet
// that was edited after the tasks went in.
#include "core/NumberText.h"
#include "core/Random.h"
#include "core/numbers/NumberWords.h"
#include "core/numbers/WordsRules.h"
#include "core/relations/OrderingRules.h"
#include "core/structure/NumberFamilyRules.h"
#include "core/worksheets/AppendedTasks.h"
#include "core/worksheets/WorksheetKey.h"
#include "core/worksheets/WorksheetRecipes.h"
#include "core/worksheets/WorksheetTasks.h"

#include <QTest>

using namespace WorksheetRecipes;

namespace {

const QString crlf = QStringLiteral("\r\n");

// A recipe's line with the task numbers it draws given.
QString drawn(QString (*recipe)(int), int range, const QList<int> &numbers) {
    QList<double> fractions;
    for (int n : numbers)
        fractions << (n - 0.5) / range;
    Random::script(fractions);
    return recipe(range);
}

// "Bilder" with the symbol counts it draws given, highest place first.
QString pictures(int range, const QList<int> &counts) {
    QList<double> fractions;
    for (int c : counts)
        fractions << (c + 0.5) / 10;
    Random::script(fractions);
    return picturesLine(range);
}

QString gap(int width) {
    return QString(width, QLatin1Char('_'));
}

void row(const char *name, const char *type, const QString &task, const char *solved) {
    QTest::newRow(name) << QString::fromUtf8(type) << task << QString::fromUtf8(solved);
}

} // namespace

class WorksheetKeyTest : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void everyTypeHasARule();
    void textsThatAreNoSuchTaskStay_data();
    void textsThatAreNoSuchTaskStay();
    void roundTrips_data();
    void roundTrips();

    void keyKeepsLinesAndOrder();
    void editedDeletedAndReorderedLines();
    void taskAfterTypedTextOnTheSameLine();
    void longLinesAndLongSheets();
};

void WorksheetKeyTest::rules_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("solved");
    const int M = 1000000;
    row("<=> 20", "<  =  >", drawn(comparisonLine, 20, {5, 12, 3, 3, 20}),
        " 5 < 12 > 3 = 3 < 20\r\n");
    row("<=> 1000000, by value", "<  =  >", drawn(comparisonLine, M, {999999, M, 47, 470, 47}),
        " 999999 < 1000000 > 47 < 470 > 47\r\n");
    row("Ordnen 20", "Ordnen", orderingLines({"7", "12", "3", "20", "12"}),
        "\r\n7,   12,   3,   20,   12:\r\n3 , 7 , 12 , 12 , 20\r\n");
    row("Ordnen 1000000", "Ordnen", orderingLines({"100000", "99999", "1000000", "5", "20"}),
        "\r\n100000,   99999,   1000000,   5,   20:\r\n5 , 20 , 99999 , 100000 , 1000000\r\n");
    row("Ziffern 20", "Ziffern", drawn(digitsLine, 20, {16}), " 16 = sechszehn\r\n");
    row("Ziffern 1000000", "Ziffern", drawn(digitsLine, M, {M}), " 1000000 = eine Million\r\n");
    row("Wörter 20", "Wörter", wordsLine("sechszehn"), "16 = sechszehn\r\n");
    row("Wörter eins", "Wörter", wordsLine("eins"), "1 = eins\r\n");
    row("Wörter 1000000", "Wörter", wordsLine("eine Million"), "1000000 = eine Million\r\n");
    row("Bilder 20", "Bilder", pictures(20, {1, 3}), "13 = Z+E+E+E\r\n");
    row("Bilder 1000000", "Bilder", pictures(M, {9, 1, 0, 2}),
        "9102 = T+T+T+T+T+T+T+T+T+H+E+E\r\n");
    row("Mengen 20", "Mengen", drawn(quantitiesLine, 20, {13}), "13 = 10+1+1+1\r\n");
    row("Mengen 345", "Mengen", drawn(quantitiesLine, M, {345}),
        "345 = 100+100+100+10+10+10+10+1+1+1+1+1\r\n");
    row("Mengen 1000000", "Mengen", drawn(quantitiesLine, M, {M}), "1000000 = 1000000\r\n");
    QTest::newRow("Strahl") << "Strahl" << numberLineLines() << numberLineLines();
    row("Familie 20", "Familie", familyLine({13, 17, 10, 19, 11, 15, 18, 12, 14, 16}),
        " 13, 17, 10, 19, 11, 15, 18, 12, 14, 16\r\n");
    row("Familie 1000000", "Familie",
        familyLine({456300, 456700, 456000, 456900, 456100, 456500, 456800, 456200, 456600}),
        " 456300, 456700, 456000, 456900, 456100, 456500, 456800, 456200, 456600, 456400\r\n");
    row("Familie, 0 missing", "Familie", familyLine({100, 900, 200, 800, 300, 700, 400, 600, 500}),
        " 100, 900, 200, 800, 300, 700, 400, 600, 500, 0\r\n");
    row("Familie, tens vary", "Familie", familyLine({341, 351, 301, 391, 311, 371, 381, 321, 361}),
        " 341, 351, 301, 391, 311, 371, 381, 321, 361, 331\r\n");
    row("Nachbarn 20", "Nachbarn", drawn(neighboursLine, 20, {1}), "0  1  2\r\n");
    row("Nachbarn 1000000", "Nachbarn", drawn(neighboursLine, M, {M}),
        "999999  1000000  1000001\r\n");
    row("Zerlegen 20", "Zerlegen", drawn(decompositionLine, 20, {7}), "7 = 7\r\n");
    row("Zerlegen 305", "Zerlegen", drawn(decompositionLine, M, {305}), "305 = 300+0+5\r\n");
    row("Zerlegen 1000000", "Zerlegen", drawn(decompositionLine, M, {M}),
        "1000000 = 1000000+0+0+0+0+0+0\r\n");
    row("Zählen 20", "Zählen", drawn(countingLine, 20, {10}), " 10  11  12  13  14  15  16\r\n");
    row("Zählen 1000000", "Zählen", drawn(countingLine, M, {999990}),
        " 999990  999991  999992  999993  999994  999995  999996\r\n");
}

void WorksheetKeyTest::rules() {
    QFETCH(QString, type);
    QFETCH(QString, task);
    QFETCH(QString, solved);
    QCOMPARE(WorksheetKey::solve(type, task), solved);
}

void WorksheetKeyTest::everyTypeHasARule() {
    for (const QString &type : WorksheetTasks::types())
        QVERIFY2(WorksheetKey::ruleFor(type), qPrintable(type));
    QVERIFY(!WorksheetKey::ruleFor(QStringLiteral("<=>")));
    const QString text = QStringLiteral(" 5 = ") + gap(30) + crlf;
    QCOMPARE(WorksheetKey::solve(QStringLiteral("Wort"), text), text);
}

void WorksheetKeyTest::textsThatAreNoSuchTaskStay_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    const QList<QPair<const char *, QString>> rows = {
        {"<  =  >", " 12 ___ 13\r\n"},
        {"<  =  >", " 1 ___ 2 ___ 3 ___ 4 ___ 5"}, // no line end
        {"<  =  >", QString(" 1 ___ 2").repeated(200) + crlf},
        {"Ordnen", "\r\n1,   2,   3,   4:\r\n________ , ________ , ________ , ________\r\n"},
        {"Ziffern", " 16 = " + gap(29) + crlf},
        {"Ziffern", " 1000001 = " + gap(30) + crlf},
        {"Ziffern", ""},
        {"Wörter", wordsLine(QStringLiteral("sechzehn"))}, // not this program's spelling
        {"Wörter", wordsLine(QStringLiteral("Klasse 2b"))},
        {"Bilder", "________ = Z+X+E\r\n"},
        {"Mengen", "13 = __+__\r\n"},
        {"Familie", " 1, 2, 3, 4, 5, 6, 7, 8, ______\r\n"},
        {"Familie", " 1, 2, 3, 4, 5, 6, 7, 8, 19, ______\r\n"},
        {"Familie", " 1, 2, 3, 4, 5, 6, 7, 8, 8, ______\r\n"},
        {"Nachbarn", "__  42  __\r\n"},
        {"Zerlegen", "357 = ___+___+___\r\n"},
        {"Zerlegen", "357 = ____+___\r\n"},
        {"Zählen", " 10" + QString("  ____").repeated(5) + crlf},
        {"Zählen", " 10" + QString("  ___").repeated(6) + crlf},
    };
    for (const auto &[type, text] : rows)
        QTest::addRow("%s %s", type, qPrintable(text.left(40).simplified()))
            << QString::fromUtf8(type) << text;
}

void WorksheetKeyTest::textsThatAreNoSuchTaskStay() {
    QFETCH(QString, type);
    QFETCH(QString, text);
    QCOMPARE(WorksheetKey::solve(type, text), text);
}

void WorksheetKeyTest::roundTrips_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("range");
    for (const QString &type : WorksheetTasks::types())
        for (int range : {20, 1000000})
            QTest::addRow("%s %d", qPrintable(type), range) << type << range;
}

// Tasks drawn through the real recipes, solved, and checked against the
// draws replayed from the same seed, or against what the answer must mean.
void WorksheetKeyTest::roundTrips() {
    QFETCH(QString, type);
    QFETCH(int, range);
    for (quint32 seed = 1; seed <= 300; ++seed) {
        Random::seed(seed);
        const QString task = WorksheetTasks::taskText(type, range);
        const QString solved = WorksheetKey::solve(type, task);
        const QByteArray context = (task + QStringLiteral(" -> ") + solved).toUtf8();
        QVERIFY2(!solved.contains('_') || type == QStringLiteral("Strahl"), context);
        Random::seed(seed);
        QString expected;
        if (type == QStringLiteral("<  =  >")) {
            QList<int> n;
            for (int k = 0; k < 5; ++k)
                n << Random::draw(range);
            expected = NumberText::withBlank(n[0]);
            for (int k = 1; k < 5; ++k)
                expected += QString(n[k - 1] < n[k]   ? " <"
                                    : n[k - 1] > n[k] ? " >"
                                                      : " =") +
                            NumberText::withBlank(n[k]);
            expected += crlf;
        } else if (type == QStringLiteral("Ordnen")) {
            QStringList sorted;
            for (int n : OrderingRules::drawTask(range).sorted)
                sorted << QString::number(n);
            expected = task.section(crlf, 0, 1) + crlf + sorted.join(" , ") + crlf;
        } else if (type == QStringLiteral("Ziffern")) {
            const int n = Random::draw(range);
            expected = NumberText::withBlank(n) + " = " + NumberWords::of(n) + crlf;
        } else if (type == QStringLiteral("Wörter")) {
            const WordsTask words = WordsRules::draw(range);
            expected = words.expected + " = " + words.word + crlf;
        } else if (type == QStringLiteral("Bilder")) {
            const QString symbols = task.mid(11);
            expected = QString::number(1000 * symbols.count('T') + 100 * symbols.count('H') +
                                       10 * symbols.count('Z') + symbols.count('E')) +
                       " = " + symbols;
        } else if (type == QStringLiteral("Mengen") || type == QStringLiteral("Zerlegen")) {
            // The gaps add up to the number, each a digit's place value
            // (Zerlegen) or one block of it (Mengen).
            const QString digits = QString::number(Random::draw(range));
            QStringList parts;
            for (qsizetype k = 0; k < digits.size(); ++k) {
                const QString place = QLatin1Char('1') + QString(digits.size() - 1 - k, '0');
                if (type == QStringLiteral("Zerlegen"))
                    parts << QString::number(digits[k].digitValue() * place.toLongLong());
                else
                    parts << QStringList(digits[k].digitValue(), place);
            }
            expected = digits + " = " + parts.join('+') + crlf;
        } else if (type == QStringLiteral("Strahl")) {
            expected = task;
        } else if (type == QStringLiteral("Familie")) {
            expected = QString(task).replace(gap(6), NumberFamilyRules::draw(range).expected);
        } else if (type == QStringLiteral("Nachbarn")) {
            const int n = Random::draw(range);
            expected = QStringLiteral("%1  %2  %3\r\n").arg(n - 1).arg(n).arg(n + 1);
        } else if (type == QStringLiteral("Zählen")) {
            int n = Random::draw(range);
            while (n < 10 || n > range - 10)
                n = Random::draw(range);
            expected = NumberText::withBlank(n);
            for (int k = 1; k <= 6; ++k)
                expected += QStringLiteral("  ") + QString::number(n + k);
            expected += crlf;
        }
        QCOMPARE(solved, expected);
    }
}

void WorksheetKeyTest::keyKeepsLinesAndOrder() {
    AppendedTasks tasks;
    QCOMPARE(tasks.answerKey(QString()), QString());
    QString sheet = QStringLiteral("Name: ________\r\n");
    const QList<QPair<QString, QString>> appended = {
        {"Ziffern", drawn(digitsLine, 20, {12})},
        {"Ordnen", orderingLines({"9", "3", "15", "1", "20"})},
        {"Strahl", numberLineLines()},
        {"Nachbarn", drawn(neighboursLine, 20, {7})},
        {"Bilder", QString()},                // nothing appended, nothing kept
        {"Wort", QStringLiteral("Wort\r\n")}, // no type, nothing kept
    };
    for (const auto &[type, text] : appended) {
        tasks.add(type, QString(), text);
        sheet += text;
    }
    QCOMPARE(tasks.size(), 4);
    QCOMPARE(tasks.answerKey(QString()), QString()); // an empty sheet has an empty key
    sheet += QStringLiteral("Viel Glück!");
    QCOMPARE(tasks.answerKey(sheet),
             QStringLiteral("Name: ________\r\n 12 = zwölf\r\n\r\n9,   3,   15,   1,   20:\r\n"
                            "1 , 3 , 9 , 15 , 20\r\n") +
                 numberLineLines() + QStringLiteral("6  7  8\r\nWort\r\nViel Glück!"));
    // Lines ending in LF alone read the same; the key's end in CR LF.
    QCOMPARE(tasks.answerKey(QString(sheet).replace(crlf, QStringLiteral("\n"))),
             tasks.answerKey(sheet));
    tasks.clear();
    QCOMPARE(tasks.answerKey(sheet), sheet);
}

void WorksheetKeyTest::editedDeletedAndReorderedLines() {
    AppendedTasks tasks;
    const QString a = drawn(digitsLine, 20, {3});
    const QString b = drawn(neighboursLine, 20, {15});
    const QString c = drawn(comparisonLine, 20, {1, 2, 2, 1, 9});
    const QString d = orderingLines({"4", "2", "8", "6", "1"});
    for (const auto &[type, text] : QList<QPair<QString, QString>>{
             {"Ziffern", a}, {"Nachbarn", b}, {"<  =  >", c}, {"Ordnen", d}, {"Ziffern", a}})
        tasks.add(type, QString(), text);
    // b deleted, c moved up, a typed look-alike, d's empty line gone, and a
    // three times where it went in twice: the third copy gets no answer.
    const QString typed = QStringLiteral(" 12 ___ 13\r\n 1 ___ 2 ___ 2 ___ 1 ___ 8\r\n");
    QCOMPARE(tasks.answerKey(c + typed + a + d.mid(2) + a + a),
             QStringLiteral(" 1 < 2 = 2 > 1 < 9\r\n") + typed + QStringLiteral(" 3 = drei\r\n") +
                 d.mid(2) + QStringLiteral(" 3 = drei\r\n") + a);
}

void WorksheetKeyTest::taskAfterTypedTextOnTheSameLine() {
    AppendedTasks tasks;
    const QString task = drawn(neighboursLine, 100, {42});
    tasks.add(QStringLiteral("Nachbarn"), QStringLiteral("Datum: "), task);
    QCOMPARE(tasks.answerKey(QStringLiteral("Name:\r\nDatum: ") + task),
             QStringLiteral("Name:\r\nDatum: 41  42  43\r\n"));
    // Once the start of the line is changed, the line is no longer as it went in.
    QCOMPARE(tasks.answerKey(QStringLiteral("Datum: 1.2.") + task),
             QStringLiteral("Datum: 1.2.") + task);
}

void WorksheetKeyTest::longLinesAndLongSheets() {
    AppendedTasks tasks;
    Random::seed(5);
    QString sheet;
    int numberLines = 0;
    for (int k = 0; k < 3000; ++k) {
        const QString type = WorksheetTasks::types()[k % WorksheetTasks::types().size()];
        const QString task = WorksheetTasks::taskText(type, 1000000);
        tasks.add(type, QString(), task);
        sheet += task;
        numberLines += type == QStringLiteral("Strahl");
        if (k % 100 == 0) // a typed line that ends like a task
            sheet += gap(800) + QStringLiteral(" 1 ___ 2") + crlf;
    }
    const QString key = tasks.answerKey(sheet);
    const QStringList sheetLines = sheet.split(crlf);
    const QStringList keyLines = key.split(crlf);
    QCOMPARE(keyLines.size(), sheetLines.size());
    for (qsizetype i = 0; i < sheetLines.size(); ++i)
        if (sheetLines[i].size() > 800)
            QCOMPARE(keyLines[i], sheetLines[i]);
    // Underscores are left only in the typed lines and the number lines.
    QCOMPARE(key.count('_'), qsizetype(30 * 803 + numberLines * 41));
}

QTEST_APPLESS_MAIN(WorksheetKeyTest)
#include "test_worksheet_key.moc"
