// Every screen without a mouse: a whole task, right and wrong, with keys alone
// through the real widgets; Escape and F5 on every screen.
#include "ModalBoxes.h"
#include "open_screen.h"

#include "ui/Label.h"
#include "ui/memory/MemoryScreen.h"
#include "ui/numbers/DigitsScreen.h"
#include "ui/quantities/QuantitiesScreen.h"
#include "ui/relations/ComparisonScreen.h"
#include "ui/relations/OrderingScreen.h"

#include <QScrollBar>
#include <QTest>

namespace {

// Sends a key to whatever has the focus on the screen, as the keyboard does.
void press(QWidget *screen, Qt::Key key) {
    QTest::keyClick(screen->focusWidget() ? screen->focusWidget() : screen, key);
}

void frameTo(MemoryScreen &game, int card) {
    while (game.framedCard() != card) {
        const int d = card - game.framedCard();
        press(&game, d >= 6    ? Qt::Key_Down
                     : d <= -6 ? Qt::Key_Up
                     : d > 0   ? Qt::Key_Right
                               : Qt::Key_Left);
    }
}

// Moves every slider, in Tab order from the focused one, to its value by arrows.
void setByKeys(QWidget *screen, const QList<int> &values) {
    for (int v : values) {
        auto *bar = qobject_cast<QScrollBar *>(screen->focusWidget());
        QVERIFY(bar);
        for (int k = 0; k < v; ++k)
            press(screen, k % 2 ? Qt::Key_Right : Qt::Key_Up);
        press(screen, Qt::Key_Tab);
    }
}

QString focusName(QWidget *screen) {
    return screen->focusWidget() ? screen->focusWidget()->objectName() : QString();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void comparison();
    void ordering();
    void sliders_data();
    void sliders();
    void memoryWholeGame();
    void escapeAndF5_data();
    void escapeAndF5();
};

void KeyboardTest::comparison() {
    TestProgram program;
    openFromMenu(program, "Befehl10", {3, 8, 5, 5, 9});
    auto &screen = testApp().comparison();
    ModalBoxes boxes({"OK", "OK"});
    QTest::keyClicks(screen.focusWidget(), QStringLiteral("<<"));
    QVERIFY(screen.square(3)->isMarked());
    press(&screen, Qt::Key_Backspace);
    QTest::keyClicks(screen.focusWidget(), QStringLiteral(">=<"));
    QCOMPARE(screen.square(4)->text(), QStringLiteral("<"));
    press(&screen, Qt::Key_Backspace);
    QTest::keyClicks(screen.focusWidget(), QStringLiteral(">"));
    press(&screen, Qt::Key_Return); // "<>=>" is wrong and stays
    QCOMPARE(screen.square(4)->text(), QStringLiteral(">"));
    press(&screen, Qt::Key_Backspace);
    QTest::keyClicks(screen.focusWidget(), QStringLiteral("<"));
    press(&screen, Qt::Key_Return);
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe", "Zahleingabe 1/20"}));
    QVERIFY(screen.square(1)->text().isEmpty() && screen.square(1)->isMarked());
}

void KeyboardTest::ordering() {
    TestProgram program;
    openFromMenu(program, "Befehl14", {8, 2, 15, 2, 9}, " 1 \r\n");
    auto &screen = testApp().ordering();
    QCOMPARE(screen.chosenNumber(), 1);
    QCOMPARE(screen.focusWidget(), screen.numberLabel(1));
    ModalBoxes boxes({"OK", "OK"});
    // The row is 8 2 15 3 9. Space places the chosen 8, Left and Right skip it from then on.
    press(&screen, Qt::Key_Space);
    QCOMPARE(screen.chosenNumber(), 2);
    press(&screen, Qt::Key_Right);
    press(&screen, Qt::Key_Left);
    press(&screen, Qt::Key_Left);
    QCOMPARE(screen.chosenNumber(), 2);
    for (int k = 0; k < 4; ++k)
        press(&screen, Qt::Key_Space);
    QCOMPARE(screen.answerCaptions().join(QLatin1Char(' ')), QStringLiteral("8 2 15 3 9"));
    QCOMPARE(screen.focusWidget(), screen.okayButton());
    press(&screen, Qt::Key_Return); // Enter does not check here
    QCOMPARE(boxes.seen.size(), 0);
    press(&screen, Qt::Key_Space);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe"});

    // The number taken back is the one chosen: Space places it again.
    press(&screen, Qt::Key_Backspace);
    QCOMPARE(screen.focusWidget(), screen.numberLabel(5));
    press(&screen, Qt::Key_Space);
    QCOMPARE(screen.answerCaptions().join(QLatin1Char(' ')), QStringLiteral("8 2 15 3 9"));
    QCOMPARE(boxes.seen.size(), 1);

    // Take all back, then 2 3 8 9 15, the last after Tab to OKAY and back.
    for (int k = 0; k < 5; ++k)
        press(&screen, Qt::Key_Backspace);
    QCOMPARE(screen.answerCaptions().join(QString()), QString());
    QCOMPARE(screen.chosenNumber(), 1);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space, Qt::Key_Left,
                        Qt::Key_Left, Qt::Key_Space, Qt::Key_Right, Qt::Key_Space})
        press(&screen, key);
    QCOMPARE(screen.answerCaptions().join(QLatin1Char(' ')), QStringLiteral("2 3 8 9 "));
    press(&screen, Qt::Key_Tab);
    QCOMPARE(screen.focusWidget(), screen.okayButton());
    press(&screen, Qt::Key_Left); // back to the last number waiting
    press(&screen, Qt::Key_Space);
    press(&screen, Qt::Key_Space);
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe", "Zahleingabe 1/20"}));
}

void KeyboardTest::sliders_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("order"); // Tab from the first slider
    QTest::addColumn<QList<int>>("values"); // the task's 482, slider by slider
    QTest::addRow("Ziffern") << QByteArray("Befehl2")
                             << QStringList{"HBildlauf6", "HBildlauf5", "HBildlauf4", "HBildlauf3",
                                            "HBildlauf2", "HBildlauf1", "Befehl1",    "Befehl2"}
                             << QList<int>{0, 0, 0, 4, 8, 2};
    QTest::addRow("Mengen") << QByteArray("Befehl4")
                            << QStringList{"HBildlauf4", "HBildlauf1", "HBildlauf2",
                                           "HBildlauf3", "Befehl1",    "Befehl2"}
                            << QList<int>{0, 4, 8, 2};
}

void KeyboardTest::sliders() {
    QFETCH(QByteArray, button);
    QFETCH(QStringList, order);
    QFETCH(QList<int>, values);
    TestProgram program;
    QWidget *screen = openFromMenu(program, button, {482});
    for (int k = 0; k < 3 && focusName(screen) != order.first(); ++k)
        press(screen, Qt::Key_Tab); // from OKAY (and Vorlesen) on to the first slider
    QStringList visited;
    for (int k = 0; k < order.size(); ++k, press(screen, Qt::Key_Tab))
        visited << focusName(screen);
    QCOMPARE(visited, order);

    ModalBoxes boxes({"OK", "OK"});
    setByKeys(screen, values);
    auto *last = control<QScrollBar>(screen, order.at(values.size() - 1));
    press(screen, Qt::Key_Backtab);
    press(screen, Qt::Key_PageUp); // 483
    press(screen, Qt::Key_Return);
    press(screen, Qt::Key_Down);
    QCOMPARE(last->value(), 2);
    press(screen, Qt::Key_Return);
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe", "Zahleingabe 1/20"}));
}

void KeyboardTest::memoryWholeGame() {
    TestProgram program;
    openFromMenu(program, "Befehl15");
    MemoryScreen &game = testApp().memory();
    Random::script(dealFractions(QStringLiteral("123456789123456789"))); // n pairs with n + 9
    ModalBoxes boxes({"OK"});
    QCOMPARE(game.focusWidget()->objectName(), QStringLiteral("Bezeichnung1"));
    press(&game, Qt::Key_Space);
    press(&game, Qt::Key_Right);
    press(&game, Qt::Key_Return);
    QCOMPARE(game.game().phase(), MemoryGame::Phase::Mismatch);
    for (int n = 1; n <= 9; ++n) {
        frameTo(game, n);
        press(&game, n % 2 ? Qt::Key_Return : Qt::Key_Space);
        frameTo(game, n + 9);
        press(&game, n % 2 ? Qt::Key_Space : Qt::Key_Return);
        QVERIFY(n == 9 || game.game().isFound(n + 9));
    }
    QCOMPARE(titles(boxes.seen), QStringList{"Memory"});
    QVERIFY(!game.isVisible());
}

void KeyboardTest::escapeAndF5_data() {
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("escapeBoxes"); // answered "Nein" where one asks
    QTest::addColumn<bool>("f5GivesTask");
    QTest::addRow("Ziffern") << QByteArray("Befehl2") << QStringList() << true;
    QTest::addRow("< = >") << QByteArray("Befehl10") << QStringList() << false;
    QTest::addRow("Ordnen") << QByteArray("Befehl14") << QStringList() << false;
    QTest::addRow("Strahl") << QByteArray("Befehl6") << QStringList() << true;
    QTest::addRow("Belohnung") << QByteArray("Befehl15") << QStringList{"M e m o r y"} << false;
    QTest::addRow("Info") << QByteArray("Befehl12") << QStringList() << false;
    QTest::addRow("Menü") << QByteArray() << QStringList{"ZUB-Zahlen"} << false;
}

void KeyboardTest::escapeAndF5() {
    QFETCH(QByteArray, button);
    QFETCH(QStringList, escapeBoxes);
    QFETCH(bool, f5GivesTask);
    TestProgram program;
    QWidget *screen = openFromMenu(program, button, {5, 5, 5, 5});
    QVERIFY(screen && screen->isVisible());
    const auto before = labelCaptions(*screen);
    Random::script({0.99, 0.99, 0.99, 0.99, 0.99, 0.99});
    press(screen, Qt::Key_F5);
    QCOMPARE(labelCaptions(*screen) != before, f5GivesTask);
    ModalBoxes boxes(QStringList(escapeBoxes.size(), QStringLiteral("Nein")));
    press(screen, Qt::Key_Escape);
    QCOMPARE(titles(boxes.seen), escapeBoxes);
    QCOMPARE(screen->isVisible(), !escapeBoxes.isEmpty());
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
