// The number words on the digits and words screens fit their label with a
// margin, the longest ones too, in the font the program asks for and in a
// fallback font.
#include "Draws.h"
#include "Program.h"

#include "core/Random.h"
#include "core/numbers/NumberWords.h"
#include "ui/Label.h"
#include "ui/numbers/DigitsScreen.h"
#include "ui/numbers/WordsScreen.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <algorithm>

namespace {

// The numbers below a million with the longest words: width follows length closely.
QList<int> longestWordNumbers(int count) {
    QList<std::pair<qsizetype, int>> lengths;
    lengths.reserve(999999);
    for (int n = 1; n < 1000000; ++n)
        lengths.append({NumberWords::of(n).size(), n});
    std::partial_sort(lengths.begin(), lengths.begin() + count, lengths.end(),
                      [](const auto &a, const auto &b) { return a.first > b.first; });
    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers << lengths.at(i).second;
    return numbers;
}

bool fits(const QLabel *label) {
    const int room = label->width() - 2 * label->frameWidth();
    const int used = QFontMetrics(label->font()).horizontalAdvance(label->text());
    return used + 2 * Label::fittingMargin <= room;
}

} // namespace

class WordLabelsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void longestWordsFit_data();
    void longestWordsFit();
};

void WordLabelsTest::longestWordsFit_data() {
    QTest::addColumn<QString>("family");
    QTest::newRow("asked font") << QString();
    // DejaVu Sans is what Arial falls back to without the Liberation fonts; it runs wider.
    if (QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")))
        QTest::newRow("fallback font") << QStringLiteral("DejaVu Sans");
}

void WordLabelsTest::longestWordsFit() {
    QFETCH(QString, family);
    const QList<int> numbers = longestWordNumbers(40);
    QVERIFY(numbers.contains(727727)); // the one that lost its outer pixels
    TestProgram program;
    program.writeSettings(" 6 \r\n");
    MenuScreen &menu = program.start();
    if (!family.isEmpty()) {
        for (QWidget *screen : {static_cast<QWidget *>(&testApp().words()),
                                static_cast<QWidget *>(&testApp().digits())})
            for (QLabel *label : screen->findChildren<QLabel *>()) {
                QFont f = label->font();
                f.setFamily(family);
                label->setFont(f);
            }
    }
    for (int n : numbers) {
        // The words screen shows the word of its task ...
        Random::script({fractionFor(n, 1000000)});
        QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
        auto *word = control<QLabel>(&testApp().words(), "Bezeichnung1");
        QCOMPARE(word->text(), NumberWords::of(n));
        QVERIFY2(fits(word), qPrintable(word->text()));
        testApp().words().leave();

        // ... the digits screen the word its sliders form.
        Random::script({fractionFor(1, 1000000)});
        QTest::mouseClick(control<QPushButton>(&menu, "Befehl2"), Qt::LeftButton);
        const QString digits = QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0'));
        for (int place = 0; place < 6; ++place)
            control<QScrollBar>(&testApp().digits(), QStringLiteral("HBildlauf%1").arg(6 - place))
                ->setValue(digits.at(place).digitValue());
        auto *built = control<QLabel>(&testApp().digits(), "Bezeichnung2");
        QCOMPARE(built->text(), NumberWords::of(n));
        QVERIFY2(fits(built), qPrintable(built->text()));
        testApp().digits().leave();
    }
}

QTEST_MAIN(WordLabelsTest)
#include "test_word_labels.moc"
