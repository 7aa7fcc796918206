// The memory game screen, played through its real card labels from the menu.
#include "Fractions.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/Twips.h"
#include "ui/memory/MemoryScreen.h"

#include <QMetaEnum>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

const QString deal = QStringLiteral("123456789123456789"); // card i and card i + 9 pair up

Label *card(QWidget *game, int number) {
    return control<Label>(game, QStringLiteral("Bezeichnung%1").arg(number));
}

void click(QWidget *game, int number) {
    QTest::mouseClick(card(game, number), Qt::LeftButton);
}

// The phase of the game and the cards up in this turn.
QString turnOf(MemoryScreen *game) {
    const MemoryGame &g = game->game();
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromLatin1(
            QMetaEnum::fromType<MemoryGame::Phase>().valueToKey(int(g.phase()))))
        .arg(g.firstCard())
        .arg(g.secondCard());
}

QString dealOf(MemoryScreen *game) {
    QString numbers;
    for (int n = 1; n <= 18; ++n)
        numbers += QString::number(game->game().numberOn(n));
    return numbers;
}

QStringList captions(QWidget *game) {
    QStringList texts;
    for (int n = 1; n <= 18; ++n)
        texts << card(game, n)->text();
    return texts;
}

QList<QColor> colours(QWidget *game) {
    QList<QColor> list;
    for (int n = 1; n <= 18; ++n)
        list << card(game, n)->palette().color(QPalette::Window);
    return list;
}

QString up(int digit) {
    const QString d = QString::number(digit);
    return d + QStringLiteral("                ") + d;
}

} // namespace

class MemoryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void rewardOpensTheGameCentred();
    void boardLayout();
    void wholeGame();
    void nextGameDealsAnewOnDarkBlue();
    void stop_data();
    void stop();

private:
    // Gives the menu 20 correct answers and presses "Belohnung".
    MemoryScreen *openReward(MenuScreen &menu);
};

MemoryScreen *MemoryTest::openReward(MenuScreen &menu) {
    for (int i = 0; i < Session::rewardPrice; ++i)
        testApp().session().answerRight();
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl15"), Qt::LeftButton);
    return &testApp().memory();
}

void MemoryTest::rewardOpensTheGameCentred() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    MemoryScreen *game = openReward(menu);

    QVERIFY(game->isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(game->windowTitle(), QStringLiteral("Memospiel"));
    QCOMPARE(testApp().session().count(), 0);
    QVERIFY(!control<QPushButton>(&menu, "Befehl15")->isEnabled());

    const QRect display = game->screen()->geometry();
    QCOMPARE(game->pos(), QPoint(display.x() + (display.width() - game->width()) / 2,
                                 display.y() + (display.height() - game->height()) / 2));

    // Only the first showing places the screen.
    game->move(7, 9);
    ModalBoxes boxes({"Ja"});
    QTest::mouseClick(control<QPushButton>(game, "Befehl1"), Qt::LeftButton);
    QVERIFY(menu.isVisible());
    openReward(menu);
    QCOMPARE(game->pos(), QPoint(7, 9));
}

void MemoryTest::boardLayout() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MemoryScreen *game = openReward(program.start());

    for (int n = 1; n <= 18; ++n) {
        const int column = (n - 1) % 6;
        const int row = (n - 1) / 6;
        Label *c = card(game, n);
        QCOMPARE(c->geometry(), twRect(480 + 840 * column, 1080 + 1320 * row, 615, 1095));
        QVERIFY(c->isVisible());
        QCOMPARE(c->text(), QString());
        QCOMPARE(c->palette().color(QPalette::Window), QColor(0, 0, 192));
        QCOMPARE(c->palette().color(QPalette::WindowText), QColor(Qt::white));
        QCOMPARE(c->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(c->font().pointSizeF(), 13.5);
        QVERIFY(c->font().bold());
    }

    auto *instruction = control<Label>(game, "Bezeichnung19");
    QCOMPARE(instruction->text(),
             QStringLiteral(" Immer zwei Felder haben die gleiche Zahl, klicke   jedes "
                            "Einzelfeld an und suche alle Zahlenpaare !"));
    QCOMPARE(instruction->geometry(), twRect(360, 120, 4335, 495));
    QCOMPARE(instruction->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(instruction->palette().color(QPalette::WindowText), QColor(0, 0, 192));

    auto *stop = control<QPushButton>(game, "Befehl1");
    QCOMPARE(stop->text(), QStringLiteral("STOP"));
    QCOMPARE(stop->geometry(), twRect(4680, 120, 735, 495));
    QCOMPARE(game->palette().color(QPalette::Window), QColor(Qt::white));

    QCOMPARE(turnOf(game), QStringLiteral("NotDealt 0 0"));
    // The eighteen cards and the instruction: no hidden label holds any state.
    const QList<Label *> labels = game->findChildren<Label *>();
    QCOMPARE(labels.size(), 19);
    for (const Label *label : labels)
        QVERIFY(label->isVisible());
}

void MemoryTest::wholeGame() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    MemoryScreen *game = openReward(menu);
    Random::script(dealFractions(deal));

    // The first click deals and turns the clicked card up as the first card.
    click(game, 1);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(dealOf(game), deal);
    QCOMPARE(turnOf(game), QStringLiteral("SecondCard 1 0"));
    QCOMPARE(card(game, 1)->text(), up(1));

    // The same card again changes nothing.
    click(game, 1);
    QCOMPARE(turnOf(game), QStringLiteral("SecondCard 1 0"));
    QCOMPARE(card(game, 1)->text(), up(1));

    // A mismatch stays up ...
    click(game, 2);
    QCOMPARE(turnOf(game), QStringLiteral("Mismatch 1 2"));
    QCOMPARE(card(game, 2)->text(), up(2));

    // ... until the next click covers both and starts a new turn.
    click(game, 10);
    QCOMPARE(turnOf(game), QStringLiteral("SecondCard 10 0"));
    QCOMPARE(card(game, 1)->text(), QString());
    QCOMPARE(card(game, 2)->text(), QString());
    QCOMPARE(card(game, 10)->text(), up(1));
    QCOMPARE(card(game, 1)->palette().color(QPalette::Window), QColor(0, 0, 192));

    // A pair turns white and stays up; no card counts as up any more.
    click(game, 1);
    QCOMPARE(turnOf(game), QStringLiteral("FirstCard 0 0"));
    for (int n : {1, 10}) {
        QCOMPARE(card(game, n)->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(card(game, n)->text(), up(1));
    }

    // Two unmatched cards up; a click on a found card leaves them up.
    click(game, 2);
    click(game, 3);
    click(game, 10);
    QCOMPARE(turnOf(game), QStringLiteral("Mismatch 2 3"));
    QCOMPARE(card(game, 2)->text(), up(2));
    QCOMPARE(card(game, 3)->text(), up(3));
    QCOMPARE(card(game, 10)->text(), up(1));

    // A click on one of the two just covered turns it up again as the first card.
    click(game, 3);
    QCOMPARE(turnOf(game), QStringLiteral("SecondCard 3 0"));
    QCOMPARE(card(game, 2)->text(), QString());
    QCOMPARE(card(game, 3)->text(), up(3));
    click(game, 12);
    QCOMPARE(card(game, 12)->palette().color(QPalette::Window), QColor(Qt::white));

    // The next click after a pair covers nothing.
    click(game, 2);
    QCOMPARE(card(game, 3)->text(), up(3));
    QCOMPARE(turnOf(game), QStringLiteral("SecondCard 2 0"));
    click(game, 11);

    // The remaining pairs; the end box comes with the ninth, while the board still shows it.
    ModalBoxes boxes({"OK"});
    QStringList atEnd;
    boxes.onBox = [&](const SeenBox &) {
        QVERIFY(game->isVisible());
        atEnd = captions(game);
    };
    for (int n = 4; n <= 9; ++n) {
        QVERIFY(boxes.seen.isEmpty());
        click(game, n + 9);
        click(game, n);
    }
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.unexpected, 0);
    const SeenBox &end = boxes.last();
    QCOMPARE(end.title, QStringLiteral("Memory"));
    QCOMPARE(end.text, QStringLiteral("  Das Spiel ist beendet!\r"));
    QCOMPARE(end.icon, QMessageBox::NoIcon);
    QCOMPARE(end.buttons, QStringList{"OK"});
    for (int n = 1; n <= 18; ++n)
        QCOMPARE(atEnd[n - 1], up(deal[n - 1].digitValue()));

    // After OK: the menu, and a blank dark-blue board waiting for a new deal.
    QVERIFY(!game->isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(captions(game), QStringList(18, QString()));
    QCOMPARE(colours(game), QList<QColor>(18, QColor(0, 0, 128)));
    QCOMPARE(turnOf(game), QStringLiteral("NotDealt 0 0"));
}

void MemoryTest::nextGameDealsAnewOnDarkBlue() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    MemoryScreen *game = openReward(menu);
    Random::script(dealFractions(deal));
    {
        ModalBoxes boxes({"OK"});
        for (int n = 1; n <= 9; ++n) {
            click(game, n);
            click(game, n + 9);
        }
        QCOMPARE(boxes.seen.size(), 1);
    }

    openReward(menu);
    QVERIFY(game->isVisible());
    QCOMPARE(colours(game), QList<QColor>(18, QColor(0, 0, 128)));
    const QString second = QStringLiteral("987654321987654321");
    Random::script(dealFractions(second));
    click(game, 18);
    QCOMPARE(Random::scriptLeft(), 0);
    QCOMPARE(dealOf(game), second);
    QCOMPARE(turnOf(game), QStringLiteral("SecondCard 18 0"));
    QCOMPARE(card(game, 18)->text(), up(1));
    QCOMPARE(card(game, 18)->palette().color(QPalette::Window), QColor(0, 0, 128));
    click(game, 9);
    QCOMPARE(card(game, 9)->palette().color(QPalette::Window), QColor(Qt::white));
}

void MemoryTest::stop_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<QString>("answer");
    QTest::addRow("STOP, No") << false << "Nein";
    QTest::addRow("STOP, Yes") << false << "Ja";
    QTest::addRow("close box, No") << true << "Nein";
    QTest::addRow("close box, Yes") << true << "Ja";
}

void MemoryTest::stop() {
    QFETCH(bool, closeBox);
    QFETCH(QString, answer);
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    MemoryScreen *game = openReward(menu);
    Random::script(dealFractions(deal));

    // A pair found and a mismatch up: a turn in progress.
    click(game, 4);
    click(game, 13);
    click(game, 5);
    click(game, 6);
    const QStringList board = captions(game);
    const QList<QColor> paint = colours(game);
    QCOMPARE(turnOf(game), QStringLiteral("Mismatch 5 6"));

    ModalBoxes boxes({answer});
    if (closeBox)
        game->close();
    else
        QTest::mouseClick(control<QPushButton>(game, "Befehl1"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    const SeenBox &question = boxes.last();
    QCOMPARE(question.title, QStringLiteral("M e m o r y"));
    QCOMPARE(question.text, QStringLiteral("Dieses Spiel jetzt beenden?\r"));
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.buttons, (QStringList{"Ja", "Nein"}));
    QCOMPARE(question.defaultButton, QStringLiteral("Nein"));

    const bool quit = answer == QLatin1String("Ja");
    QCOMPARE(game->isVisible(), !quit);
    QCOMPARE(menu.isVisible(), quit);
    if (quit) {
        QVERIFY(!program.ended);
        openReward(menu);
        QVERIFY(game->isVisible());
    }
    // Nothing is reset either way: the board comes back as it was left.
    QCOMPARE(captions(game), board);
    QCOMPARE(colours(game), paint);
    QCOMPARE(dealOf(game), deal);
    QCOMPARE(turnOf(game), QStringLiteral("Mismatch 5 6"));

    // And play goes on: the next click covers the mismatch.
    click(game, 14);
    QCOMPARE(card(game, 5)->text(), QString());
    QCOMPARE(card(game, 6)->text(), QString());
    click(game, 5);
    QCOMPARE(card(game, 14)->palette().color(QPalette::Window), QColor(Qt::white));
}

QTEST_MAIN(MemoryTest)
#include "test_memory.moc"
