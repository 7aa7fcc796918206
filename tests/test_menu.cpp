// The menu: start-up and the settings file, the range selector, "Ende",
// "Druck", "Belohnung", and the shared feedback routines with the count.
#include "ModalBoxes.h"
#include "Program.h"

#include "core/Random.h"
#include "ui/AnswerFeedback.h"
#include "ui/Dialogs.h"
#include "ui/MenuScreen.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void boxTitlesFitTheirBox();
    void byKeyboardAlone();

    void startPosition_data();
    void startPosition();
    void missingFileBoxComesBeforeTheMenu();
    void unreadableSettings_data();
    void unreadableSettings();
    void rangeCaptionFollowsTheBar();
    void endeWritesFiveBytes();
    void endeAnsweredNoTouchesNothing();
    void endeReportsAFileThatCannotBeWritten();
    void closeBoxAsksLikeEnde();
    void druckPrompt_data();
    void druckPrompt();
    void exerciseButtonsWithoutScreenDoNothing();
    void neueZahlCoversTheRange();
    void correctAnswersAndReward();
    void belohnungTakesTwentyOff();
    void wrongAnswerKeepsTheCount();
};

void MenuTest::startPosition_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("message");
    QTest::addRow("6") << QByteArray("6") << 6 << false;
    QTest::addRow("blanks around 6") << QByteArray(" 6 ") << 6 << false;
    QTest::addRow("2.5 rounds to 2") << QByteArray("2.5") << 2 << false;
    QTest::addRow("3,7 reads 3") << QByteArray("3,7") << 3 << false;
    QTest::addRow("as written") << QByteArray(" 4 \r\n") << 4 << false;
    QTest::addRow("7") << QByteArray("7") << 1 << true;
    QTest::addRow("0") << QByteArray("0") << 1 << true;
    QTest::addRow("abc") << QByteArray("abc") << 1 << true;
    QTest::addRow("nothing") << QByteArray("") << 1 << true;
    QTest::addRow("binary") << QByteArray("\x00\x01\xfe\xff", 4) << 1 << true;
}

void MenuTest::startPosition() {
    QFETCH(QByteArray, file);
    QFETCH(int, position);
    QFETCH(bool, message);
    TestProgram program;
    program.writeSettings(file);
    ModalBoxes boxes({"OK"});
    MenuScreen &menu = program.start();

    static const int ranges[] = {20, 100, 1000, 10000, 100000, 1000000};
    QCOMPARE(menu.rangeBar()->value(), position);
    QCOMPARE(testApp().session().range(), ranges[position - 1]);
    QCOMPARE(control<QLabel>(&menu, "Bezeichnung1")->text(),
             QStringLiteral("Zahlen bis %1").arg(ranges[position - 1]));
    QCOMPARE(boxes.seen.size(), message ? 1 : 0);
    QCOMPARE(menu.windowTitle(), QStringLiteral("ZUB-Zahlen"));
}

void MenuTest::missingFileBoxComesBeforeTheMenu() {
    TestProgram program;
    ModalBoxes boxes({"OK"});
    bool menuVisibleDuringBox = true;
    boxes.onBox = [&](const SeenBox &) { menuVisibleDuringBox = testApp().menu().isVisible(); };
    MenuScreen &menu = program.start();
    QCOMPARE(boxes.seen.size(), 1);
    const SeenBox &box = boxes.seen[0];
    QCOMPARE(box.title, QStringLiteral("ZUBZAHL"));
    QCOMPARE(box.text, QStringLiteral("Die Datei 'ZUBZAHL.INI' fehlt!\r"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QStringList{"OK"});
    QVERIFY(!menuVisibleDuringBox);
    QVERIFY(menu.isVisible());
    QVERIFY(!QFile::exists(program.settingsPath())); // created only by "Ende"
}

void MenuTest::unreadableSettings_data() {
    QTest::addColumn<QString>("kind");
    QTest::addRow("directory") << "directory";
    QTest::addRow("no read permission") << "unreadable";
    QTest::addRow("many megabytes") << "huge";
}

void MenuTest::unreadableSettings() {
    QFETCH(QString, kind);
    TestProgram program;
    if (kind == "directory") {
        QVERIFY(QDir().mkdir("ZUBZAHL.INI"));
    } else if (kind == "unreadable") {
        program.writeSettings("3");
        QFile::setPermissions(program.settingsPath(), QFile::WriteOwner);
        if (QFile(program.settingsPath()).open(QIODevice::ReadOnly))
            QSKIP("running as root: permissions do not stop reading");
    } else {
        program.writeSettings(QByteArray(64 * 1024 * 1024, 'x'));
    }
    ModalBoxes boxes({"OK"});
    MenuScreen &menu = program.start();
    QCOMPARE(titles(boxes.seen), QStringList{"ZUBZAHL"});
    QCOMPARE(menu.rangeBar()->value(), 1);
    QCOMPARE(testApp().session().range(), 20);
}

void MenuTest::rangeCaptionFollowsTheBar() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    QScrollBar *bar = menu.rangeBar();
    // Dragging the thumb reports every position on the way.
    bar->setSliderDown(true);
    bar->setSliderPosition(5);
    QCOMPARE(control<QLabel>(&menu, "Bezeichnung1")->text(), QStringLiteral("Zahlen bis 100000"));
    bar->setSliderDown(false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
    QCOMPARE(bar->value(), 6);
    QCOMPARE(testApp().session().range(), 1000000);
    QCOMPARE(program.readSettings(), QByteArray(" 1 \r\n")); // moving never writes
}

void MenuTest::endeWritesFiveBytes() {
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    menu.rangeBar()->setValue(3);
    ModalBoxes boxes({"Ja"});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl1"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    const SeenBox &box = boxes.seen[0];
    QCOMPARE(box.title, QStringLiteral("ZUB-Zahlen"));
    QCOMPARE(box.text, QStringLiteral("Dieses Programm jetzt beenden?\r"));
    QCOMPARE(box.icon, QMessageBox::Question);
    QCOMPARE(box.buttons, (QStringList{"Ja", "Nein"}));
    QCOMPARE(box.defaultButton, QStringLiteral("Nein"));
    QVERIFY(program.ended);
    QCOMPARE(program.readSettings(), QByteArray(" 3 \r\n"));
    QCOMPARE(program.readSettings().toHex(), QByteArray("2033200d0a"));
}

void MenuTest::endeAnsweredNoTouchesNothing() {
    TestProgram program;
    program.writeSettings("2");
    MenuScreen &menu = program.start();
    menu.rangeBar()->setValue(5);
    ModalBoxes boxes({"Nein"});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl1"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY(!program.ended);
    QVERIFY(menu.isVisible());
    QCOMPARE(program.readSettings(), QByteArray("2"));
}

void MenuTest::endeReportsAFileThatCannotBeWritten() {
    TestProgram program;
    QVERIFY(QDir().mkdir("ZUBZAHL.INI")); // nothing can replace a directory
    ModalBoxes boxes({"OK", "Ja", "OK"});
    MenuScreen &menu = program.start();
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl1"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 3);
    const SeenBox &box = boxes.seen[2];
    QCOMPARE(box.title, QStringLiteral("ZUBZAHL"));
    QCOMPARE(box.text,
             QStringLiteral("Die Datei 'ZUBZAHL.INI' konnte nicht gespeichert werden!\r"));
    QCOMPARE(box.buttons, QStringList{"OK"});
    QVERIFY(program.ended); // the program ends as usual
}

void MenuTest::closeBoxAsksLikeEnde() {
    TestProgram program;
    program.writeSettings("2");
    MenuScreen &menu = program.start();
    {
        ModalBoxes boxes({"Nein"});
        menu.close();
        QCOMPARE(titles(boxes.seen), QStringList{"ZUB-Zahlen"});
        QVERIFY(menu.isVisible());
        QVERIFY(!program.ended);
    }
    ModalBoxes boxes({"Ja"});
    menu.close();
    QVERIFY(program.ended);
    QCOMPARE(program.readSettings(), QByteArray(" 2 \r\n"));
}

void MenuTest::druckPrompt_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("opens");
    QTest::addRow("20") << "=20" << true;
    QTest::addRow("020") << "=020" << true;
    QTest::addRow("2 0") << "=2 0" << true;
    QTest::addRow("20abc") << "=20abc" << true;
    QTest::addRow("empty") << "=" << false;
    QTest::addRow("cancel") << "Abbrechen" << false;
    QTest::addRow("21") << "=21" << false;
}

void MenuTest::druckPrompt() {
    QFETCH(QString, answer);
    QFETCH(bool, opens);
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    Screen sheet(QStringLiteral("Form11"), QStringLiteral("Arbeitsblatt drucken . . ."));
    menu.setWorksheetScreen([&] { return &sheet; });
    ModalBoxes boxes({answer});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl13"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1); // no message follows a wrong answer
    QVERIFY(boxes.seen[0].input);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Drucken"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Passwort eingeben:"));
    QCOMPARE(boxes.seen[0].buttons, (QStringList{"OK", "Abbrechen"}));
    QCOMPARE(sheet.isVisible(), opens);
    QCOMPARE(menu.isVisible(), !opens);
}

void MenuTest::exerciseButtonsWithoutScreenDoNothing() {
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    menu.setExercises({});
    for (const char *name : {"Befehl2", "Befehl3", "Befehl4", "Befehl5", "Befehl6", "Befehl7",
                             "Befehl8", "Befehl9", "Befehl10", "Befehl11", "Befehl14"}) {
        QTest::mouseClick(control<QPushButton>(&menu, name), Qt::LeftButton);
        QVERIFY2(menu.isVisible(), name);
    }
}

void MenuTest::neueZahlCoversTheRange() {
    Session session;
    Random::seed(11);
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int n = session.drawNumber();
        QVERIFY(n >= 1 && n <= 20);
        seen.insert(n);
    }
    QCOMPARE(seen.size(), 20);
    session.setRange(1000000);
    Random::script({0.9999999999});
    QCOMPARE(session.drawNumber(), 1000000);
    session.setRange(12345); // no such range: the range stays
    QCOMPARE(session.range(), 1000000);
}

void MenuTest::correctAnswersAndReward() {
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    Session &session = testApp().session();
    QCOMPARE(session.count(), 0);
    {
        ModalBoxes boxes;
        for (int i = 0; i < 19; ++i) {
            boxes.answer({"OK"});
            AnswerFeedback::right(testApp().session());
        }
        QCOMPARE(boxes.seen.size(), 19);
        QCOMPARE(boxes.seen[2].title, QStringLiteral("Zahleingabe 3/20"));
        QCOMPARE(boxes.seen[2].text, QStringLiteral("Richtig, bitte weiter!\r"));
        QCOMPARE(boxes.seen[2].icon, QMessageBox::Information);
        QCOMPARE(boxes.seen[2].buttons, QStringList{"OK"});
        QVERIFY(!menu.rewardButton()->isEnabled());
        QCOMPARE(session.count(), 19);
    }
    ModalBoxes boxes({"OK", "OK", "OK", "OK"});
    AnswerFeedback::right(testApp().session());
    QCOMPARE(titles(boxes.seen), (QStringList{"Zahleingabe 20/20", "Belohnung"}));
    QCOMPARE(boxes.seen[1].text,
             QStringLiteral("Du kriegst eine Spielrunde!\rHole sie im Hauptmenü ab!\r"));
    QCOMPARE(boxes.seen[1].icon, QMessageBox::NoIcon);
    QVERIFY(menu.rewardButton()->isEnabled());
    AnswerFeedback::right(testApp().session());
    QCOMPARE(titles(boxes.seen),
             (QStringList{"Zahleingabe 20/20", "Belohnung", "Zahleingabe 21/20", "Belohnung"}));
    QCOMPARE(boxes.unexpected, 0);
}

void MenuTest::belohnungTakesTwentyOff() {
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    Session &session = testApp().session();
    for (int i = 0; i < 27; ++i)
        session.answerRight();
    QVERIFY(menu.rewardButton()->isEnabled());
    QTest::mouseClick(menu.rewardButton(), Qt::LeftButton);
    QCOMPARE(session.count(), 7);
    QVERIFY(!menu.rewardButton()->isEnabled());
    ModalBoxes boxes({"OK"});
    AnswerFeedback::right(testApp().session());
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe 8/20"});
    QVERIFY(!menu.rewardButton()->isEnabled());

    // Exactly twenty leaves 0; the next answer is the first again.
    for (int i = 0; i < 12; ++i)
        session.answerRight();
    QVERIFY(menu.rewardButton()->isEnabled());
    QTest::mouseClick(menu.rewardButton(), Qt::LeftButton);
    QCOMPARE(session.count(), 0);
    boxes.answer({"OK"});
    AnswerFeedback::right(testApp().session());
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
}

void MenuTest::wrongAnswerKeepsTheCount() {
    TestProgram program;
    program.writeSettings("1");
    program.start();
    Session &session = testApp().session();
    for (int i = 0; i < 5; ++i)
        session.answerRight();
    ModalBoxes boxes({"OK"});
    AnswerFeedback::wrong(testApp().session());
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Zahleingabe"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Fehler, bitte nochmals!\r"));
    QCOMPARE(boxes.seen[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.seen[0].buttons, QStringList{"OK"});
    QCOMPARE(session.count(), 5);
}

QTEST_MAIN(MenuTest)
// The title is the only place a child sees the count: every box is wide
// enough for its whole title in a bold title-bar face, with the frame's
// buttons beside it.
void MenuTest::boxTitlesFitTheirBox() {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    ModalBoxes boxes({"OK", "OK", "OK", "=1"});
    msgBox(QStringLiteral("Richtig, bitte weiter!\r"), MsgIcon::Information, MsgButtons::Ok,
           QStringLiteral("Zahleingabe 17/20"));
    msgBox(QStringLiteral("Auswahl passt nicht\rzu dem Zahlenraum!\r"), MsgIcon::None,
           MsgButtons::Ok, QStringLiteral("Zahlenkonflikt"));
    msgBox(QStringLiteral("x"), MsgIcon::None, MsgButtons::Ok, QStringLiteral("Belohnung"));
    inputBox(QStringLiteral("Passwort eingeben:"), QStringLiteral("Drucken"));
    QCOMPARE(boxes.seen.size(), 4);
    for (const SeenBox &box : boxes.seen)
        QVERIFY2(box.width >= metrics.horizontalAdvance(box.title) + 3 * 32,
                 qPrintable(QStringLiteral("%1: %2 px").arg(box.title).arg(box.width)));
}

void MenuTest::byKeyboardAlone() {
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    auto *bar = control<QScrollBar>(&menu, "HBildlauf1");
    auto *caption = control<QLabel>(&menu, "Bezeichnung1");
    menu.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    control<QPushButton>(&menu, "Befehl14")->setFocus();
    for (int i = 0; i < 20 && menu.focusWidget() != bar; ++i)
        QTest::keyClick(menu.focusWidget(), Qt::Key_Tab);
    QCOMPARE(menu.focusWidget(), bar);
    const QList<std::pair<Qt::Key, QString>> moves = {
        {Qt::Key_Right, "Zahlen bis 100"},   {Qt::Key_End, "Zahlen bis 1000000"},
        {Qt::Key_Left, "Zahlen bis 100000"}, {Qt::Key_PageDown, "Zahlen bis 10000"},
        {Qt::Key_Home, "Zahlen bis 20"},     {Qt::Key_PageUp, "Zahlen bis 100"}};
    for (const auto &[key, expected] : moves) {
        QTest::keyClick(bar, key);
        QCOMPARE(caption->text(), expected);
    }
    QCOMPARE(testApp().session().range(), 100);

    // Enter on a focused button opens what it opens.
    auto *info = control<QPushButton>(&menu, "Befehl12");
    info->setFocus();
    QTest::keyClick(info, Qt::Key_Return);
    QVERIFY(testApp().info().isVisible());
    auto *words = control<QPushButton>(&menu, "Befehl3");
    words->setFocus();
    QTest::keyClick(words, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!menu.isVisible());
}

#include "test_menu.moc"
