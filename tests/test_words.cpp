// The words exercise driven through the menu and the real widgets: read the
// word, type its digits, answer the verdict box.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"
#include "RecordingSpeaker.h"
#include "core/Random.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"
#include "ui/numbers/WordsScreen.h"

#include <QPushButton>
#include <QTest>

namespace {

// Range positions of the menu's settings file.
const QByteArray range1000 = " 3 \r\n";

void typeDigits(QWidget *target, const QString &digits) {
    for (QChar c : digits)
        QTest::keyClick(target, Qt::Key(Qt::Key_0 + c.digitValue()));
}

QString caption(const char *name) {
    return control<QLabel>(&testApp().words(), QString::fromLatin1(name))->text();
}

} // namespace

class WordsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void screenAsOpenedFromTheMenu();
    void roundTrip();
    void wrongAnswers_data();
    void wrongAnswers();
    void typingEditsTheAnswerField();
    void clickOnAnswerFieldGivesANewWord();
    void largestRangeHasAWordForItsTopNumber();
    void readsTheTaskWordAloud();
};

void WordsTest::screenAsOpenedFromTheMenu() {
    TestProgram program;
    program.writeSettings(range1000);
    MenuScreen &menu = program.start();
    Random::script({fractionFor(345, 1000)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);

    WordsScreen &screen = testApp().words();
    QVERIFY(screen.isVisible());
    QVERIFY(!menu.isVisible());
    QCOMPARE(screen.windowTitle(), QStringLiteral("ZUB-Zahlen bis 1000"));
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("dreihundertfünfundvierzig"));
    QCOMPARE(caption("Bezeichnung2"), QString());
    QCOMPARE(caption("Bezeichnung4"), QStringLiteral("Tippe die Zahl in Ziffern:"));
    QCOMPARE(caption("Bezeichnung3"), QStringLiteral("Eingabe mit [Enter]"));
    QCOMPARE(control<QPushButton>(&screen, "Befehl1")->text(), QStringLiteral("ENDE"));
    QCOMPARE(control<QPushButton>(&screen, "Befehl2")->text(), QStringLiteral("OKAY"));
    QCOMPARE(testApp().words().task().expected, QStringLiteral("345"));

    // ENDE leaves the task; the next opening draws a new one.
    QTest::mouseClick(control<QPushButton>(&screen, "Befehl1"), Qt::LeftButton);
    QVERIFY(!screen.isVisible());
    QVERIFY(menu.isVisible());
    Random::script({fractionFor(16, 1000)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("sechszehn"));
    QCOMPARE(testApp().words().task().expected, QStringLiteral("16"));
}

void WordsTest::roundTrip() {
    TestProgram program;
    program.writeSettings(range1000);
    MenuScreen &menu = program.start();
    Random::script({fractionFor(345, 1000), fractionFor(16, 1000), fractionFor(999, 1000)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    WordsScreen &screen = testApp().words();
    QPushButton *okay = control<QPushButton>(&screen, "Befehl2");

    ModalBoxes boxes({"OK", "OK"});
    QStringList fieldDuringBox, wordDuringBox;
    boxes.onBox = [&](const SeenBox &) {
        fieldDuringBox << caption("Bezeichnung2");
        wordDuringBox << caption("Bezeichnung1");
    };

    typeDigits(okay, QStringLiteral("345"));
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("345"));
    QTest::keyClick(okay, Qt::Key_Return);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QCOMPARE(boxes.last().buttons, QStringList{"OK"});
    QCOMPARE(fieldDuringBox.last(), QStringLiteral("345"));
    QCOMPARE(wordDuringBox.last(), QStringLiteral("dreihundertfünfundvierzig"));
    // The next task is in place when the handler ends, the field is empty.
    QCOMPARE(caption("Bezeichnung2"), QString());
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("sechszehn"));
    QCOMPARE(testApp().words().task().expected, QStringLiteral("16"));
    QCOMPARE(testApp().session().count(), 1);

    // The same through the OKAY button.
    typeDigits(okay, QStringLiteral("16"));
    QTest::mouseClick(okay, Qt::LeftButton);
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe 1/20", "Zahleingabe 2/20"}));
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("neunhundertneunundneunzig"));
    QCOMPARE(boxes.unexpected, 0);
}

void WordsTest::wrongAnswers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addRow("leading zero") << "0345";
    QTest::addRow("empty field") << "";
    QTest::addRow("digits swapped") << "354";
    QTest::addRow("one digit short") << "34";
}

void WordsTest::wrongAnswers() {
    QFETCH(QString, typed);
    TestProgram program;
    program.writeSettings(range1000);
    MenuScreen &menu = program.start();
    Random::script({fractionFor(345, 1000)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    QPushButton *okay = control<QPushButton>(&testApp().words(), "Befehl2");

    ModalBoxes boxes({"OK"});
    QString fieldDuringBox;
    boxes.onBox = [&](const SeenBox &) { fieldDuringBox = caption("Bezeichnung2"); };
    typeDigits(okay, typed);
    QTest::keyClick(okay, Qt::Key_Return);

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.last().text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Critical);
    QCOMPARE(boxes.last().buttons, QStringList{"OK"});
    QCOMPARE(fieldDuringBox, typed);
    // Emptied after the box; the same word stays and nothing is counted.
    QCOMPARE(caption("Bezeichnung2"), QString());
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("dreihundertfünfundvierzig"));
    QCOMPARE(testApp().words().task().expected, QStringLiteral("345"));
    QCOMPARE(testApp().session().count(), 0);
    QCOMPARE(Random::scriptLeft(), 0);
}

void WordsTest::typingEditsTheAnswerField() {
    TestProgram program;
    program.writeSettings(range1000);
    MenuScreen &menu = program.start();
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    QPushButton *okay = control<QPushButton>(&testApp().words(), "Befehl2");

    ModalBoxes boxes;
    QTest::keyClick(okay, Qt::Key_Backspace);
    QCOMPARE(caption("Bezeichnung2"), QString());
    typeDigits(okay, QStringLiteral("12"));
    QTest::keyClick(okay, Qt::Key_Backspace);
    typeDigits(okay, QStringLiteral("3"));
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("13"));
    QTest::keyClick(okay, Qt::Key_4, Qt::KeypadModifier);
    QTest::keyClick(okay, Qt::Key_A);
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("13"));
    QTest::keyClick(okay, Qt::Key_5, Qt::ShiftModifier);
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("135"));
    QVERIFY(boxes.seen.isEmpty());
}

void WordsTest::clickOnAnswerFieldGivesANewWord() {
    TestProgram program;
    program.writeSettings(range1000);
    MenuScreen &menu = program.start();
    Random::script({fractionFor(345, 1000), fractionFor(21, 1000)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    WordsScreen &screen = testApp().words();
    typeDigits(control<QPushButton>(&screen, "Befehl2"), QStringLiteral("12"));

    QTest::mouseClick(control<Label>(&screen, "Bezeichnung2"), Qt::LeftButton);
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("einundzwanzig"));
    QCOMPARE(testApp().words().task().expected, QStringLiteral("21"));
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("12"));
}

void WordsTest::largestRangeHasAWordForItsTopNumber() {
    TestProgram program;
    program.writeSettings(" 6 \r\n");
    MenuScreen &menu = program.start();
    Random::script({0.9999999});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    QCOMPARE(caption("Bezeichnung1"), QStringLiteral("eine Million"));
    QCOMPARE(testApp().words().task().expected, QStringLiteral("1000000"));

    ModalBoxes boxes({"OK"});
    QPushButton *okay = control<QPushButton>(&testApp().words(), "Befehl2");
    typeDigits(okay, QStringLiteral("1000000"));
    QTest::keyClick(okay, Qt::Key_Enter);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe 1/20"});
}

// "Vorlesen" and F2 read the task word; F2 types nothing; leaving stops it.
void WordsTest::readsTheTaskWordAloud() {
    TestProgram program;
    program.writeSettings(range1000);
    MenuScreen &menu = program.start();
    Random::script({fractionFor(712, 1000)});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    WordsScreen &screen = testApp().words();
    auto *readAloud = control<QPushButton>(&screen, "BefehlVorlesen");
    QVERIFY(readAloud->isEnabled());
    QVERIFY(
        !readAloud->geometry().intersects(control<QLabel>(&screen, "Bezeichnung3")->geometry()));
    QVERIFY(
        !readAloud->geometry().intersects(control<QPushButton>(&screen, "Befehl2")->geometry()));
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QTest::keyClick(control<QPushButton>(&screen, "Befehl2"), Qt::Key_7);
    QTest::mouseClick(readAloud, Qt::LeftButton);
    QTest::keyClick(control<QPushButton>(&screen, "Befehl2"), Qt::Key_F2);
    QCOMPARE(caption("Bezeichnung2"), QStringLiteral("7"));
    QTest::mouseClick(control<QPushButton>(&screen, "Befehl1"), Qt::LeftButton);
    QCOMPARE(testSpeaker().calls,
             (QStringList{"say siebenhundertzwölf", "restart siebenhundertzwölf", "stop"}));
}

QTEST_MAIN(WordsTest)
#include "test_words.moc"
