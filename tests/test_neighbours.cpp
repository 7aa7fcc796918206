// The neighbours exercise: the neighbour rules, and the screen driven from the
// menu through its real buttons, keys and boxes.
#include "Draws.h"
#include "ModalBoxes.h"
#include "Program.h"

#include "core/Random.h"
#include "exercises/relation/Form9.h"
#include "exercises/relation/Form9Rules.h"
#include "legacy/Modul1.h"
#include "legacy/Screens.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using NachbarRegeln::Art;

namespace {

// The fraction that makes the task ask for this kind.
double fuerArt(Art art) {
    return art == NachbarRegeln::Vorgaenger ? 0.25 : 0.75;
}

int positionOf(int range) {
    const int ranges[] = {20, 100, 1000, 10000, 100000, 1000000};
    return int(std::find(std::begin(ranges), std::end(ranges), range) - ranges) + 1;
}

QString text(const QString &name) {
    return control<Label>(&Screens::get<Form9>(), name)->text();
}

} // namespace

class NeighboursTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void neighbourRule_data();
    void neighbourRule();
    void placesAllowedByRange();
    void kindDrawnWithEqualChance();

    void controlsBeforeTheFirstTask();
    void taskOnTheScreen_data();
    void taskOnTheScreen();
    void refusedPlaceDoesNothing();
    void placeHeldAgainstLaterRangeChange();
    void rightAnswerCountsAndDrawsAgain();
    void wrongAnswersEmptyTheBoxAndKeepTheTask();
    void typingKeys();
    void clickOnABoxSkipsTheTask();

private:
    // Starts the program at the range and opens the neighbours screen with
    // the shown number and kind scripted.
    Form9 &open(TestProgram &program, int range, int shown, Art art);
};

void NeighboursTest::neighbourRule_data() {
    QTest::addColumn<int>("zahl");
    QTest::addColumn<QString>("stelle");
    QTest::addColumn<int>("vorgaenger");
    QTest::addColumn<int>("nachfolger");
    QTest::addRow("47 E") << 47 << "E" << 46 << 48;
    QTest::addRow("47 Z") << 47 << "Z" << 40 << 50;
    QTest::addRow("40 Z") << 40 << "Z" << 40 << 50;
    QTest::addRow("1 E") << 1 << "E" << 0 << 2;
    QTest::addRow("5 Z") << 5 << "Z" << 0 << 10;
    QTest::addRow("19 Z") << 19 << "Z" << 10 << 20;
    QTest::addRow("95 Z") << 95 << "Z" << 90 << 100;
    QTest::addRow("347 H") << 347 << "H" << 300 << 400;
    QTest::addRow("300 H") << 300 << "H" << 300 << 400;
    QTest::addRow("999 H") << 999 << "H" << 900 << 1000;
    QTest::addRow("4321 T") << 4321 << "T" << 4000 << 5000;
    QTest::addRow("57 T") << 57 << "T" << 0 << 1000;
    QTest::addRow("9999 T") << 9999 << "T" << 9000 << 10000;
    QTest::addRow("999999 T") << 999999 << "T" << 999000 << 1000000;
    QTest::addRow("10 E") << 10 << "E" << 9 << 11;
}

void NeighboursTest::neighbourRule() {
    QFETCH(int, zahl);
    QFETCH(QString, stelle);
    QFETCH(int, vorgaenger);
    QFETCH(int, nachfolger);
    QCOMPARE(NachbarRegeln::erwarteterNachbar(zahl, stelle, NachbarRegeln::Vorgaenger), vorgaenger);
    QCOMPARE(NachbarRegeln::erwarteterNachbar(zahl, stelle, NachbarRegeln::Nachfolger), nachfolger);
}

void NeighboursTest::placesAllowedByRange() {
    for (int range : {20, 100, 1000, 10000, 100000, 1000000}) {
        QVERIFY(NachbarRegeln::stelleErlaubt(QStringLiteral("E"), range));
        QVERIFY(NachbarRegeln::stelleErlaubt(QStringLiteral("Z"), range));
        QCOMPARE(NachbarRegeln::stelleErlaubt(QStringLiteral("H"), range), range >= 1000);
        QCOMPARE(NachbarRegeln::stelleErlaubt(QStringLiteral("T"), range), range >= 10000);
    }
}

void NeighboursTest::kindDrawnWithEqualChance() {
    Random::script({0.0, 0.4999, 0.5, 0.9999});
    QCOMPARE(NachbarRegeln::zieheArt(), NachbarRegeln::Vorgaenger);
    QCOMPARE(NachbarRegeln::zieheArt(), NachbarRegeln::Vorgaenger);
    QCOMPARE(NachbarRegeln::zieheArt(), NachbarRegeln::Nachfolger);
    QCOMPARE(NachbarRegeln::zieheArt(), NachbarRegeln::Nachfolger);
}

Form9 &NeighboursTest::open(TestProgram &program, int range, int shown, Art art) {
    program.writeSettings(QByteArray::number(positionOf(range)) + " \r\n");
    MenuScreen &menu = program.start();
    Random::script({fractionFor(shown, range), fuerArt(art)});
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl9")), Qt::LeftButton);
    return Screens::get<Form9>();
}

void NeighboursTest::controlsBeforeTheFirstTask() {
    TestProgram program;
    Form9 &form = Screens::get<Form9>();
    QCOMPARE(text("Bezeichnung3"), QStringLiteral("Vorgänger"));
    QCOMPARE(text("Bezeichnung4"), QStringLiteral("Nachfolger"));
    QCOMPARE(text("Bezeichnung5"), QStringLiteral("E"));
    const QStringList names{"Befehl3", "Befehl4", "Befehl5", "Befehl6", "Befehl2", "Befehl1"};
    const QStringList captions{"E", "Z", "H", "T", "OKAY", "ENDE"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(control<QPushButton>(&form, names[i])->text(), captions[i]);
}

void NeighboursTest::taskOnTheScreen_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<QString>("placeButton");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::addRow("E pred of 1 at 20") << 20 << "Befehl3" << 1 << 1 << "1"
                                       << "0";
    QTest::addRow("E succ at 20") << 20 << "Befehl3" << 12 << 2 << "12"
                                  << "13";
    QTest::addRow("draw of the range") << 20 << "Befehl3" << 20 << 2 << "19"
                                       << "20";
    QTest::addRow("Z succ at 20") << 20 << "Befehl4" << 10 << 2 << "10"
                                  << "20";
    QTest::addRow("Z pred at 100") << 100 << "Befehl4" << 47 << 1 << "47"
                                   << "40";
    QTest::addRow("Z succ of 95") << 100 << "Befehl4" << 95 << 2 << "95"
                                  << "100";
    QTest::addRow("H pred at 1000") << 1000 << "Befehl5" << 347 << 1 << "347"
                                    << "300";
    QTest::addRow("H succ of 999") << 1000 << "Befehl5" << 999 << 2 << "999"
                                   << "1000";
    QTest::addRow("T pred at 10000") << 10000 << "Befehl6" << 4321 << 1 << "4321"
                                     << "4000";
    QTest::addRow("T succ at 1000000") << 1000000 << "Befehl6" << 4321 << 2 << "4321"
                                       << "5000";
}

void NeighboursTest::taskOnTheScreen() {
    QFETCH(int, range);
    QFETCH(QString, placeButton);
    QFETCH(int, drawn);
    QFETCH(int, kind);
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    TestProgram program;
    ModalBoxes boxes;
    Form9 &form = open(program, range, 1, NachbarRegeln::Vorgaenger);
    QCOMPARE(form.windowTitle(),
             QStringLiteral("ZUB-Zahlen bis") + QLatin1Char(' ') + QString::number(range));

    const Art art = Art(kind);
    Random::script({fractionFor(drawn, range), fuerArt(art)});
    QTest::mouseClick(control<QPushButton>(&form, placeButton), Qt::LeftButton);
    QCOMPARE(Random::scriptLeft(), 0);

    const QString place = control<QPushButton>(&form, placeButton)->text();
    QCOMPARE(text("Bezeichnung5"), place);
    const bool pred = art == NachbarRegeln::Vorgaenger;
    QCOMPARE(MODUL1::Merker, pred ? QStringLiteral("1") : QStringLiteral("2"));
    QCOMPARE(text("Bezeichnung1"), pred ? QString() : shown);
    QCOMPARE(text("Bezeichnung2"), pred ? shown : QString());
    QCOMPARE(text("Bezeichnung3"), pred ? place + "-Vorgänger" : QStringLiteral("Z a h l"));
    QCOMPARE(text("Bezeichnung4"), pred ? QStringLiteral("Z a h l") : place + "-Nachfolger");
    QCOMPARE(MODUL1::ZahlText, expected);
    QCOMPARE(MODUL1::Zahl, expected.toDouble());
    QCOMPARE(form.focusWidget(), form.okayButton());
    QVERIFY(boxes.seen.isEmpty());
}

void NeighboursTest::refusedPlaceDoesNothing() {
    for (int range : {20, 100, 1000}) {
        TestProgram program;
        Form9 &form = open(program, range, 7, NachbarRegeln::Nachfolger);
        ModalBoxes boxes;
        Random::script({0.1, 0.1});
        QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl6")), Qt::LeftButton);
        if (range < 1000)
            QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl5")),
                              Qt::LeftButton);
        QCOMPARE(Random::scriptLeft(), 2); // no task was drawn
        QCOMPARE(text("Bezeichnung5"), QStringLiteral("E"));
        QCOMPARE(text("Bezeichnung1"), QStringLiteral("7"));
        QCOMPARE(text("Bezeichnung4"), QStringLiteral("E-Nachfolger"));
        QCOMPARE(MODUL1::ZahlText, QStringLiteral("8"));
        QVERIFY(boxes.seen.isEmpty());
    }
}

void NeighboursTest::placeHeldAgainstLaterRangeChange() {
    TestProgram program;
    ModalBoxes boxes;
    Form9 &form = open(program, 10000, 7, NachbarRegeln::Nachfolger);
    QTest::mouseClick(control<QPushButton>(&form, QStringLiteral("Befehl6")), Qt::LeftButton);
    QTest::mouseClick(form.endButton(), Qt::LeftButton);
    MenuScreen &menu = testApp().menu();
    menu.rangeBar()->setValue(2); // 100

    Random::script({fractionFor(57, 100), fuerArt(NachbarRegeln::Nachfolger)});
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl9")), Qt::LeftButton);
    QCOMPARE(text("Bezeichnung5"), QStringLiteral("T"));
    QCOMPARE(text("Bezeichnung4"), QStringLiteral("T-Nachfolger"));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("1000"));

    Random::script({fractionFor(57, 100), fuerArt(NachbarRegeln::Vorgaenger)});
    QTest::mouseClick(control<Label>(&form, QStringLiteral("Bezeichnung1")), Qt::LeftButton);
    QCOMPARE(text("Bezeichnung3"), QStringLiteral("T-Vorgänger"));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("0"));
    QVERIFY(boxes.seen.isEmpty());
}

void NeighboursTest::rightAnswerCountsAndDrawsAgain() {
    TestProgram program;
    Form9 &form = open(program, 100, 47, NachbarRegeln::Vorgaenger);
    ModalBoxes boxes({"OK"});
    Random::script({fractionFor(60, 100), fuerArt(NachbarRegeln::Nachfolger)});
    QTest::keyClicks(form.okayButton(), QStringLiteral("46"));
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("46"));
    QTest::keyClick(form.okayButton(), Qt::Key_Return);

    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(boxes.last().text, QStringLiteral("Richtig, bitte weiter!\r"));
    QCOMPARE(boxes.last().icon, QMessageBox::Information);
    QCOMPARE(testApp().session().count(), 1);
    // The next task: 60 in the left box, its successor asked on the right.
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("60"));
    QCOMPARE(text("Bezeichnung2"), QString());
    QCOMPARE(MODUL1::Merker, QStringLiteral("2"));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("61"));

    // OKAY runs the same check as Enter.
    Random::script({fractionFor(5, 100), fuerArt(NachbarRegeln::Nachfolger)});
    boxes.answer({"OK"});
    QTest::keyClicks(form.okayButton(), QStringLiteral("61"));
    QTest::mouseClick(form.okayButton(), Qt::LeftButton);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 2/20"));
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("5"));
    QCOMPARE(boxes.unexpected, 0);
}

void NeighboursTest::wrongAnswersEmptyTheBoxAndKeepTheTask() {
    TestProgram program;
    Form9 &form = open(program, 100, 47, NachbarRegeln::Nachfolger);
    ModalBoxes boxes({"OK", "OK"});
    QTest::keyClicks(form.okayButton(), QStringLiteral("048"));
    QTest::keyClick(form.okayButton(), Qt::Key_Return);
    QTest::keyClick(form.okayButton(), Qt::Key_Return); // an empty answer is wrong too

    QCOMPARE(boxes.seen.size(), 2);
    for (const SeenBox &box : boxes.seen) {
        QCOMPARE(box.title, QStringLiteral("Zahleingabe"));
        QCOMPARE(box.text, QStringLiteral("Fehler, bitte nochmals!\r"));
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QStringList{"OK"});
    }
    QCOMPARE(text("Bezeichnung2"), QString());
    QCOMPARE(text("Bezeichnung1"), QStringLiteral("47"));
    QCOMPARE(text("Bezeichnung4"), QStringLiteral("E-Nachfolger"));
    QCOMPARE(MODUL1::ZahlText, QStringLiteral("48"));
    QVERIFY(testApp().session().count() == 0); // nothing counted
}

void NeighboursTest::typingKeys() {
    TestProgram program;
    ModalBoxes boxes;
    Form9 &form = open(program, 1000, 347, NachbarRegeln::Vorgaenger);
    Label *answer = control<Label>(&form, QStringLiteral("Bezeichnung1"));
    QTest::keyClick(form.okayButton(), Qt::Key_Backspace);
    QCOMPARE(answer->text(), QString());
    QTest::keyClick(form.okayButton(), Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(form.okayButton(), Qt::Key_A);
    QCOMPARE(answer->text(), QString());
    QTest::keyClick(form.okayButton(), Qt::Key_3, Qt::ShiftModifier); // the key, not the symbol
    QTest::keyClicks(form.okayButton(), QStringLiteral("46"));
    QTest::keyClick(form.okayButton(), Qt::Key_Backspace);
    QCOMPARE(answer->text(), QStringLiteral("34"));
    QCOMPARE(text("Bezeichnung2"), QStringLiteral("347")); // the shown number is not typed on
    QVERIFY(boxes.seen.isEmpty());
}

void NeighboursTest::clickOnABoxSkipsTheTask() {
    TestProgram program;
    Form9 &form = open(program, 20, 3, NachbarRegeln::Vorgaenger);
    ModalBoxes boxes;
    for (const char *name : {"Bezeichnung2", "Bezeichnung1"}) {
        Random::script({fractionFor(15, 20), fuerArt(NachbarRegeln::Nachfolger)});
        QTest::mouseClick(control<Label>(&form, QString::fromLatin1(name)), Qt::LeftButton);
        QCOMPARE(Random::scriptLeft(), 0);
        QCOMPARE(text("Bezeichnung1"), QStringLiteral("15"));
        QCOMPARE(MODUL1::ZahlText, QStringLiteral("16"));
    }
    QVERIFY(boxes.seen.isEmpty());
    QVERIFY(testApp().session().count() == 0); // nothing counted
}

QTEST_MAIN(NeighboursTest)
#include "test_neighbours.moc"
