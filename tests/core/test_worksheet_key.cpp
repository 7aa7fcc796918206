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

#include <numeric>

using namespace WorksheetRecipes;

namespace {

const QString crlf = QStringLiteral("\r\n");

double fractionFor(int n, int range) {
    return (n - 0.5) / range;
}

// A recipe's line with the task numbers it draws given.
QString drawn(QString (*recipe)(int), int range, const QList<int> &numbers) {
    QList<double> fractions;
    for (int n : numbers)
        fractions << fractionFor(n, range);
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

// The numbers of a solved "a = v1+v2+..." line.
QList<qint64> summands(const QString &solved) {
    QList<qint64> values;
    for (const QString &part : solved.trimmed().section(QStringLiteral(" = "), 1).split('+'))
        values << part.toLongLong();
    return values;
}

qint64 power(int exponent) {
    qint64 p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
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

    void emptySheetEmptyKey();
    void keyKeepsLinesAndOrder();
    void deletedAndReorderedLines();
    void editedAndTypedLinesGetNoAnswer();
    void eachTaskAnswersOnce();
    void taskAfterTypedTextOnTheSameLine();
    void clearForgets();
    void longLinesAndLongSheets();
};

void WorksheetKeyTest::rules_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("task");
    QTest::addColumn<QString>("solved");

    const QString cmp = QStringLiteral("<  =  >");
    QTest::newRow("<=> 20") << cmp << drawn(comparisonLine, 20, {5, 12, 3, 3, 20})
                            << " 5 < 12 > 3 = 3 < 20\r\n";
    QTest::newRow("<=> 1000000 numeric")
        << cmp << drawn(comparisonLine, 1000000, {999999, 1000000, 47, 470, 47})
        << " 999999 < 1000000 > 47 < 470 > 47\r\n";

    QTest::newRow("Ordnen 20") << "Ordnen" << orderingLines({"7", "12", "3", "20", "12"})
                               << "\r\n7,   12,   3,   20,   12:\r\n3 , 7 , 12 , 12 , 20\r\n";
    QTest::newRow("Ordnen 1000000")
        << "Ordnen" << orderingLines({"100000", "99999", "1000000", "5", "20"})
        << "\r\n100000,   99999,   1000000,   5,   20:\r\n5 , 20 , 99999 , 100000 , 1000000\r\n";

    QTest::newRow("Ziffern 20") << "Ziffern" << drawn(digitsLine, 20, {16})
                                << " 16 = sechszehn\r\n";
    QTest::newRow("Ziffern 1000000")
        << "Ziffern" << drawn(digitsLine, 1000000, {1000000}) << " 1000000 = eine Million\r\n";
    QTest::newRow("Ziffern 101001") << "Ziffern" << drawn(digitsLine, 1000000, {101001})
                                    << " 101001 = einhunderteintausendeins\r\n";

    QTest::newRow("Wörter 20") << "Wörter" << wordsLine("sechszehn") << "16 = sechszehn\r\n";
    QTest::newRow("Wörter eins") << "Wörter" << wordsLine("eins") << "1 = eins\r\n";
    QTest::newRow("Wörter 1000000")
        << "Wörter" << wordsLine("eine Million") << "1000000 = eine Million\r\n";
    QTest::newRow("Wörter 788101")
        << "Wörter" << wordsLine("siebenhundertachtundachtzigtausendeinhunderteins")
        << "788101 = siebenhundertachtundachtzigtausendeinhunderteins\r\n";

    QTest::newRow("Bilder 20") << "Bilder" << pictures(20, {1, 3}) << "13 = Z+E+E+E\r\n";
    QTest::newRow("Bilder 20 ones only") << "Bilder" << pictures(20, {0, 1}) << "1 = E\r\n";
    QTest::newRow("Bilder 1000000")
        << "Bilder" << pictures(1000000, {2, 1, 3, 1}) << "2131 = T+T+H+Z+Z+Z+E\r\n";
    QTest::newRow("Bilder 1000000 no tens")
        << "Bilder" << pictures(1000000, {9, 0, 0, 2}) << "9002 = T+T+T+T+T+T+T+T+T+E+E\r\n";

    QTest::newRow("Mengen 20") << "Mengen" << drawn(quantitiesLine, 20, {13})
                               << "13 = 10+1+1+1\r\n";
    QTest::newRow("Mengen 20 tens")
        << "Mengen" << drawn(quantitiesLine, 20, {20}) << "20 = 10+10\r\n";
    QTest::newRow("Mengen 345") << "Mengen" << drawn(quantitiesLine, 1000000, {345})
                                << "345 = 100+100+100+10+10+10+10+1+1+1+1+1\r\n";
    QTest::newRow("Mengen 1000000")
        << "Mengen" << drawn(quantitiesLine, 1000000, {1000000}) << "1000000 = 1000000\r\n";
    QTest::newRow("Mengen 200010")
        << "Mengen" << drawn(quantitiesLine, 1000000, {200010}) << "200010 = 100000+100000+10\r\n";

    QTest::newRow("Strahl") << "Strahl" << numberLineLines() << numberLineLines();

    QTest::newRow("Familie 20") << "Familie" << familyLine({3, 7, 0, 9, 1, 5, 8, 2, 6, 4})
                                << " 3, 7, 0, 9, 1, 5, 8, 2, 6, 4\r\n";
    QTest::newRow("Familie 20 teens")
        << "Familie" << familyLine({13, 17, 10, 19, 11, 15, 18, 12, 14, 16})
        << " 13, 17, 10, 19, 11, 15, 18, 12, 14, 16\r\n";
    QTest::newRow("Familie 1000000")
        << "Familie"
        << familyLine(
               {456300, 456700, 456000, 456900, 456100, 456500, 456800, 456200, 456600, 456400})
        << " 456300, 456700, 456000, 456900, 456100, 456500, 456800, 456200, 456600, 456400\r\n";
    QTest::newRow("Familie 1000000 zero missing")
        << "Familie" << familyLine({100, 900, 200, 800, 300, 700, 400, 600, 500, 0})
        << " 100, 900, 200, 800, 300, 700, 400, 600, 500, 0\r\n";
    QTest::newRow("Familie tens with units")
        << "Familie" << familyLine({341, 351, 301, 391, 311, 371, 381, 321, 361, 331})
        << " 341, 351, 301, 391, 311, 371, 381, 321, 361, 331\r\n";

    QTest::newRow("Nachbarn 20 first")
        << "Nachbarn" << drawn(neighboursLine, 20, {1}) << "0  1  2\r\n";
    QTest::newRow("Nachbarn 20 last")
        << "Nachbarn" << drawn(neighboursLine, 20, {20}) << "19  20  21\r\n";
    QTest::newRow("Nachbarn 1000000") << "Nachbarn" << drawn(neighboursLine, 1000000, {1000000})
                                      << "999999  1000000  1000001\r\n";

    QTest::newRow("Zerlegen 20 one digit")
        << "Zerlegen" << drawn(decompositionLine, 20, {7}) << "7 = 7\r\n";
    QTest::newRow("Zerlegen 20 ten")
        << "Zerlegen" << drawn(decompositionLine, 20, {10}) << "10 = 10+0\r\n";
    QTest::newRow("Zerlegen 357") << "Zerlegen" << drawn(decompositionLine, 1000000, {357})
                                  << "357 = 300+50+7\r\n";
    QTest::newRow("Zerlegen 305") << "Zerlegen" << drawn(decompositionLine, 1000000, {305})
                                  << "305 = 300+0+5\r\n";
    QTest::newRow("Zerlegen 1000000") << "Zerlegen" << drawn(decompositionLine, 1000000, {1000000})
                                      << "1000000 = 1000000+0+0+0+0+0+0\r\n";

    QTest::newRow("Zählen 20") << "Zählen" << drawn(countingLine, 20, {10})
                               << " 10  11  12  13  14  15  16\r\n";
    QTest::newRow("Zählen 1000000")
        << "Zählen" << drawn(countingLine, 1000000, {999990})
        << " 999990  999991  999992  999993  999994  999995  999996\r\n";
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
    QVERIFY(!WorksheetKey::ruleFor(QStringLiteral("Wort")));
    QVERIFY(!WorksheetKey::ruleFor(QStringLiteral("<=>")));
    const QString text = QStringLiteral(" 5 = ") + gap(30) + crlf;
    QCOMPARE(WorksheetKey::solve(QStringLiteral("Wort"), text), text);
}

void WorksheetKeyTest::textsThatAreNoSuchTaskStay_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("<=> two numbers") << "<  =  >"
                                     << " 12 ___ 13\r\n";
    QTest::newRow("<=> no line end") << "<  =  >"
                                     << " 1 ___ 2 ___ 3 ___ 4 ___ 5";
    QTest::newRow("<=> another type's line") << "<  =  >"
                                             << " 16 = " + gap(30) + crlf;
    QTest::newRow("Ordnen four numbers")
        << "Ordnen"
        << "\r\n1,   2,   3,   4:\r\n________ , ________ , ________ , ________\r\n";
    QTest::newRow("Ziffern 29 gaps") << "Ziffern"
                                     << " 16 = " + gap(29) + crlf;
    QTest::newRow("Ziffern beyond the words") << "Ziffern"
                                              << " 1000001 = " + gap(30) + crlf;
    QTest::newRow("Wörter right spelling") << "Wörter" << wordsLine("sechzehn");
    QTest::newRow("Wörter no word") << "Wörter" << wordsLine("Klasse 2b");
    QTest::newRow("Bilder other letter") << "Bilder"
                                         << "________ = Z+X+E\r\n";
    QTest::newRow("Mengen wrong gap count") << "Mengen"
                                            << "13 = __+__\r\n";
    QTest::newRow("Strahl typed") << "Strahl"
                                  << "|____\r\n";
    QTest::newRow("Familie eight") << "Familie"
                                   << " 1, 2, 3, 4, 5, 6, 7, 8, ______\r\n";
    QTest::newRow("Familie no family") << "Familie"
                                       << " 1, 2, 3, 4, 5, 6, 7, 8, 19, ______\r\n";
    QTest::newRow("Familie repeated member") << "Familie"
                                             << " 1, 2, 3, 4, 5, 6, 7, 8, 8, ______\r\n";
    QTest::newRow("Nachbarn narrow gaps") << "Nachbarn"
                                          << "__  42  __\r\n";
    QTest::newRow("Zerlegen wrong widths") << "Zerlegen"
                                           << "357 = ___+___+___\r\n";
    QTest::newRow("Zerlegen too few gaps") << "Zerlegen"
                                           << "357 = ____+___\r\n";
    QTest::newRow("Zählen five gaps") << "Zählen"
                                      << " 10" + QString("  ____").repeated(5) + crlf;
    QTest::newRow("Zählen wrong width") << "Zählen"
                                        << " 10" + QString("  ___").repeated(6) + crlf;
    QTest::newRow("empty") << "Ziffern"
                           << "";
    QTest::newRow("long line") << "<  =  >" << QString(" 1 ___ 2").repeated(200) + crlf;
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
// numbers drawn (the draws replayed from the same seed) or against what the
// answer must mean.
void WorksheetKeyTest::roundTrips() {
    QFETCH(QString, type);
    QFETCH(int, range);
    for (quint32 seed = 1; seed <= 300; ++seed) {
        Random::seed(seed);
        const QString task = WorksheetTasks::taskText(type, range);
        const QString solved = WorksheetKey::solve(type, task);
        const QByteArray context = (task + QStringLiteral(" -> ") + solved).toUtf8();
        QVERIFY2(solved.endsWith(crlf), context);
        QVERIFY2(!solved.contains('_') || type == QStringLiteral("Strahl"), context);
        Random::seed(seed);

        if (type == QStringLiteral("<  =  >")) {
            QList<int> n;
            for (int k = 0; k < 5; ++k)
                n << Random::draw(range);
            QString expected = NumberText::withBlank(n[0]);
            for (int k = 1; k < 5; ++k)
                expected += QString(n[k - 1] < n[k]   ? " <"
                                    : n[k - 1] > n[k] ? " >"
                                                      : " =") +
                            NumberText::withBlank(n[k]);
            QCOMPARE(solved, expected + crlf);
        } else if (type == QStringLiteral("Ordnen")) {
            const OrderingTask drawnTask = OrderingRules::drawTask(range);
            QStringList sorted;
            for (int n : drawnTask.sorted)
                sorted << QString::number(n);
            QCOMPARE(solved.split(crlf).value(2), sorted.join(QStringLiteral(" , ")));
        } else if (type == QStringLiteral("Ziffern")) {
            const int n = Random::draw(range);
            QCOMPARE(solved, NumberText::withBlank(n) + " = " + NumberWords::of(n) + crlf);
        } else if (type == QStringLiteral("Wörter")) {
            const WordsTask words = WordsRules::draw(range);
            QCOMPARE(solved, words.expected + " = " + words.word + crlf);
        } else if (type == QStringLiteral("Bilder")) {
            const QString symbols = task.section(QStringLiteral(" = "), 1).trimmed();
            const qint64 n = 1000 * symbols.count('T') + 100 * symbols.count('H') +
                             10 * symbols.count('Z') + symbols.count('E');
            QCOMPARE(solved, QString::number(n) + " = " + symbols + crlf);
        } else if (type == QStringLiteral("Mengen") || type == QStringLiteral("Zerlegen")) {
            const int n = Random::draw(range);
            const QString digits = QString::number(n);
            const QList<qint64> values = summands(solved);
            QVERIFY2(solved.startsWith(digits + " = "), context);
            QCOMPARE(std::accumulate(values.begin(), values.end(), qint64(0)), qint64(n));
            if (type == QStringLiteral("Mengen")) {
                int digitSum = 0;
                for (QChar d : digits)
                    digitSum += d.digitValue();
                QCOMPARE(values.size(), digitSum); // one block per gap, highest first
                for (qsizetype k = 0; k < values.size(); ++k) {
                    QVERIFY2(QString::number(values[k]).count('0') ==
                                 QString::number(values[k]).size() - 1,
                             context);
                    QVERIFY2(k == 0 || values[k] <= values[k - 1], context);
                }
            } else {
                QCOMPARE(values.size(), digits.size()); // one place per digit, zeros too
                for (int k = 0; k < values.size(); ++k)
                    QCOMPARE(values[k], digits[k].digitValue() * power(int(digits.size()) - 1 - k));
            }
        } else if (type == QStringLiteral("Strahl")) {
            QCOMPARE(solved, task);
        } else if (type == QStringLiteral("Familie")) {
            const NumberFamilyTask family = NumberFamilyRules::draw(range);
            QCOMPARE(solved, QString(task).replace(QStringLiteral("______"), family.expected));
        } else if (type == QStringLiteral("Nachbarn")) {
            const int n = Random::draw(range);
            QCOMPARE(solved, QStringLiteral("%1  %2  %3\r\n").arg(n - 1).arg(n).arg(n + 1));
        } else if (type == QStringLiteral("Zählen")) {
            int n = Random::draw(range);
            while (n < 10 || n > range - 10)
                n = Random::draw(range);
            QString row = NumberText::withBlank(n);
            for (int k = 1; k <= 6; ++k)
                row += QStringLiteral("  ") + QString::number(n + k);
            QCOMPARE(solved, row + crlf);
        } else {
            QFAIL(qPrintable(QStringLiteral("no check for ") + type));
        }
    }
}

void WorksheetKeyTest::emptySheetEmptyKey() {
    AppendedTasks tasks;
    QCOMPARE(tasks.answerKey(QString()), QString());
    tasks.add(QStringLiteral("Ziffern"), QString(), drawn(digitsLine, 20, {5}));
    QCOMPARE(tasks.answerKey(QString()), QString());
    QCOMPARE(tasks.answerKey(crlf), crlf);
}

void WorksheetKeyTest::keyKeepsLinesAndOrder() {
    AppendedTasks tasks;
    QString sheet = QStringLiteral("Name: ________\r\n");
    const QList<QPair<QString, QString>> appended = {
        {"Ziffern", drawn(digitsLine, 20, {12})},
        {"Ordnen", orderingLines({"9", "3", "15", "1", "20"})},
        {"Strahl", numberLineLines()},
        {"Nachbarn", drawn(neighboursLine, 20, {7})},
    };
    for (const auto &[type, text] : appended) {
        tasks.add(type, QString(), text);
        sheet += text;
    }
    sheet += QStringLiteral("Viel Glück!");
    QCOMPARE(tasks.size(), 4);
    QCOMPARE(tasks.answerKey(sheet),
             QStringLiteral("Name: ________\r\n 12 = zwölf\r\n\r\n9,   3,   15,   1,   20:\r\n"
                            "1 , 3 , 9 , 15 , 20\r\n") +
                 numberLineLines() + QStringLiteral("6  7  8\r\nViel Glück!"));
}

void WorksheetKeyTest::deletedAndReorderedLines() {
    AppendedTasks tasks;
    const QString a = drawn(digitsLine, 20, {3});
    const QString b = drawn(neighboursLine, 20, {15});
    const QString c = drawn(comparisonLine, 20, {1, 2, 2, 1, 9});
    tasks.add(QStringLiteral("Ziffern"), QString(), a);
    tasks.add(QStringLiteral("Nachbarn"), QString(), b);
    tasks.add(QStringLiteral("<  =  >"), QString(), c);
    // b deleted, c moved in front of a, a typed line between them.
    QCOMPARE(tasks.answerKey(c + QStringLiteral("Aufgabe 2\r\n") + a),
             QStringLiteral(" 1 < 2 = 2 > 1 < 9\r\nAufgabe 2\r\n 3 = drei\r\n"));
}

void WorksheetKeyTest::editedAndTypedLinesGetNoAnswer() {
    AppendedTasks tasks;
    const QString task = drawn(comparisonLine, 20, {12, 13, 4, 5, 6});
    tasks.add(QStringLiteral("<  =  >"), QString(), task);
    const QString edited = QStringLiteral(" 12 ___ 13 ___ 4 ___ 5 ___ 7\r\n");
    const QString typed = QStringLiteral(" 12 ___ 13\r\n 5 = ") + gap(30) + crlf;
    QCOMPARE(tasks.answerKey(edited + typed), edited + typed);
    // The Ordnen block loses its empty line: no longer the task that went in.
    AppendedTasks ordering;
    const QString lines = orderingLines({"4", "2", "8", "6", "1"});
    ordering.add(QStringLiteral("Ordnen"), QString(), lines);
    QCOMPARE(ordering.answerKey(lines.mid(2)), lines.mid(2));
}

void WorksheetKeyTest::eachTaskAnswersOnce() {
    AppendedTasks tasks;
    const QString task = drawn(digitsLine, 20, {8});
    tasks.add(QStringLiteral("Ziffern"), QString(), task);
    QCOMPARE(tasks.answerKey(task + task), QStringLiteral(" 8 = acht\r\n") + task);
    tasks.add(QStringLiteral("Ziffern"), QString(), task); // the same task drawn twice
    QCOMPARE(tasks.answerKey(task + task + task),
             QStringLiteral(" 8 = acht\r\n 8 = acht\r\n") + task);
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

void WorksheetKeyTest::clearForgets() {
    AppendedTasks tasks;
    const QString task = drawn(digitsLine, 20, {2});
    tasks.add(QStringLiteral("Ziffern"), QString(), task);
    tasks.add(QStringLiteral("Bilder"), QString(), QString()); // nothing appended, nothing kept
    tasks.add(QStringLiteral("Wort"), QString(), task);        // no type, nothing kept
    QCOMPARE(tasks.size(), 1);
    tasks.clear();
    QCOMPARE(tasks.size(), 0);
    QCOMPARE(tasks.answerKey(task), task);
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
            sheet += QString(800, QLatin1Char('_')) + QStringLiteral(" 1 ___ 2") + crlf;
    }
    const QString key = tasks.answerKey(sheet);
    QCOMPARE(key.count(crlf), sheet.count(crlf));
    const QStringList sheetLines = sheet.split(crlf);
    const QStringList keyLines = key.split(crlf);
    int typedLines = 0;
    for (qsizetype i = 0; i < sheetLines.size(); ++i) {
        if (sheetLines[i].size() > 800) {
            QCOMPARE(keyLines[i], sheetLines[i]);
            ++typedLines;
        }
    }
    QCOMPARE(typedLines, 30);
    // Underscores are left only in the typed lines and the number lines.
    QCOMPARE(key.count('_'), qsizetype(typedLines * 803 + numberLines * 41));
}

QTEST_APPLESS_MAIN(WorksheetKeyTest)
#include "test_worksheet_key.moc"
