// The frame every exercise screen shares, on a small screen of the test's own,
// and the info screen.
#include "ModalBoxes.h"
#include "Program.h"

#include "ui/ExerciseScreen.h"
#include "ui/InfoScreen.h"
#include "ui/KeyCodes.h"
#include "ui/Label.h"
#include "ui/MenuScreen.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

namespace {

// A typing screen: the answer is typed into Bezeichnung2, the task is "42".
class TypingScreen : public ExerciseScreen {
public:
    TypingScreen()
        : ExerciseScreen(QStringLiteral("FormTest"), Keys::EnterAndDigits, testApp().session()) {
        setFixedSize(400, 300);
        task = new Label(QStringLiteral("Bezeichnung1"), this);
        task->setGeometry(10, 10, 100, 30);
        field = new Label(QStringLiteral("Bezeichnung2"), this);
        field->setGeometry(10, 50, 100, 30);
        endButton()->setGeometry(10, 200, 80, 30);
        okayButton()->setGeometry(200, 200, 80, 30);
        setTypedField(field);
        setNewTaskLabel(task);
    }
    void newTask() override {
        ++tasks;
        task->setText(QStringLiteral("Aufgabe %1").arg(tasks));
    }
    void checkAnswer() override {
        ++checks;
        if (field->text() == QLatin1String("42")) {
            reportRight();
            field->clear();
            newTask();
        } else {
            reportWrong();
        }
    }
    Label *task;
    Label *field;
    int tasks = 0;
    int checks = 0;
};

class EnterOnlyScreen : public TypingScreen {
public:
    EnterOnlyScreen() { setObjectName(QStringLiteral("FormEnter")); }
};

} // namespace

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void keyCodes();
    void initTestCase() { initTestApplication(); }

    void openingFromTheMenu();
    void rangeLimitOnOpening();
    void typingDigitsAndBackspace();
    void keypadAndShiftedDigits();
    void enterRunsTheCheckOnceWhereverTheFocusIs();
    void endeAndCloseBoxReturnToTheMenu();
    void newTaskOnLabelClick();
    void placedOnlyAtFirstShowing();
    void infoScreenBesideTheMenu();
    void infoScreenWhileAnExerciseIsOpen();

private:
    TypingScreen *open(TestProgram &program, bool limit = false);
};

TypingScreen *FrameTest::open(TestProgram &program, bool limit) {
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    menu.setExercises({{QStringLiteral("Befehl3"),
                        [] {
                            testApp().returnsToMenu(standIn<TypingScreen>());
                            return &standIn<TypingScreen>();
                        },
                        limit}});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    return &standIn<TypingScreen>();
}

void FrameTest::openingFromTheMenu() {
    TestProgram program;
    TypingScreen *screen = open(program);
    QVERIFY(screen->isVisible());
    QVERIFY(!testApp().menu().isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("ZUB-Zahlen bis 20"));
    QCOMPARE(screen->endButton()->text(), QStringLiteral("ENDE"));
    QCOMPARE(screen->okayButton()->text(), QStringLiteral("OKAY"));
    QCOMPARE(screen->focusWidget(), screen->okayButton());
    QCOMPARE(screen->tasks, 1);
}

void FrameTest::rangeLimitOnOpening() {
    TestProgram program;
    program.writeSettings("5");
    MenuScreen &menu = program.start();
    menu.setExercises({{QStringLiteral("Befehl4"), [] { return &standIn<TypingScreen>(); }, true}});
    QString captionDuringBox;
    ModalBoxes boxes({"OK"});
    boxes.onBox = [&](const SeenBox &) {
        captionDuringBox = standIn<TypingScreen>().windowTitle();
    };
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl4"), Qt::LeftButton);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen[0].title, QStringLiteral("Zahlenraum"));
    QCOMPARE(boxes.seen[0].text, QStringLiteral("Zahlenraum nur bis 10000 möglich!"));
    QCOMPARE(boxes.seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(testApp().session().range(), 10000);
    QCOMPARE(menu.rangeBar()->value(), 4);
    QCOMPARE(control<QLabel>(&menu, "Bezeichnung1")->text(), QStringLiteral("Zahlen bis 10000"));
    QCOMPARE(standIn<TypingScreen>().windowTitle(), QStringLiteral("ZUB-Zahlen bis 10000"));
    // The task is built only after the range is limited.
    QCOMPARE(standIn<TypingScreen>().tasks, 1);
}

void FrameTest::typingDigitsAndBackspace() {
    TestProgram program;
    TypingScreen *s = open(program);
    QTest::keyClick(s->okayButton(), Qt::Key_Backspace); // empty stays empty, no message
    QCOMPARE(s->field->text(), QString());
    QTest::keyClick(s->okayButton(), Qt::Key_1);
    QTest::keyClick(s->okayButton(), Qt::Key_2);
    QTest::keyClick(s->okayButton(), Qt::Key_3);
    QTest::keyClick(s->okayButton(), Qt::Key_Backspace);
    QTest::keyClick(s->okayButton(), Qt::Key_4);
    QCOMPARE(s->field->text(), QStringLiteral("124"));
    QTest::keyClick(s->okayButton(), Qt::Key_A);
    QCOMPARE(s->field->text(), QStringLiteral("124"));
}

void FrameTest::keypadAndShiftedDigits() {
    TestProgram program;
    TypingScreen *s = open(program);
    QTest::keyClick(s->okayButton(), Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(s->field->text(), QString());
    // A real X11 Shift+1 on a German layout: '!' with the scan code of the 1 key.
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, 10, 0, 0, "!");
    QApplication::sendEvent(s->okayButton(), &shifted);
    QCOMPARE(s->field->text(), QStringLiteral("1"));
    QKeyEvent keypad(QEvent::KeyPress, Qt::Key_1, Qt::KeypadModifier, 87, 0, 0, "1");
    QApplication::sendEvent(s->okayButton(), &keypad);
    QCOMPARE(s->field->text(), QStringLiteral("1"));
}

void FrameTest::enterRunsTheCheckOnceWhereverTheFocusIs() {
    TestProgram program;
    TypingScreen *s = open(program);
    ModalBoxes boxes({"OK", "OK", "OK"});
    QTest::keyClick(s->okayButton(), Qt::Key_Return); // OKAY has the focus
    QCOMPARE(s->checks, 1);
    QCOMPARE(titles(boxes.seen), QStringList{"Zahleingabe"});
    s->endButton()->setFocus();
    QTest::keyClick(s->endButton(), Qt::Key_4);
    QTest::keyClick(s->endButton(), Qt::Key_2);
    QTest::keyClick(s->endButton(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s->checks, 2);
    QCOMPARE(boxes.last().title, QStringLiteral("Zahleingabe 1/20"));
    QCOMPARE(s->field->text(), QString()); // no digit added by the Enter
    QCOMPARE(s->tasks, 2);                 // the new task is in place
    QVERIFY(s->isVisible());
}

void FrameTest::endeAndCloseBoxReturnToTheMenu() {
    TestProgram program;
    TypingScreen *s = open(program);
    QTest::mouseClick(s->endButton(), Qt::LeftButton);
    QVERIFY(!s->isVisible());
    QVERIFY(testApp().menu().isVisible());
    QTest::mouseClick(control<QPushButton>(&testApp().menu(), "Befehl3"), Qt::LeftButton);
    QCOMPARE(s->tasks, 2); // a fresh task at every opening
    s->close();
    QVERIFY(!s->isVisible());
    QVERIFY(testApp().menu().isVisible());
    QVERIFY(!program.ended);
}

void FrameTest::newTaskOnLabelClick() {
    TestProgram program;
    TypingScreen *s = open(program);
    QTest::keyClick(s->okayButton(), Qt::Key_5);
    const QString title = s->windowTitle();
    QTest::mouseClick(s->task, Qt::LeftButton);
    QCOMPARE(s->tasks, 2);
    QCOMPARE(s->field->text(), QStringLiteral("5")); // typed digits stay
    QCOMPARE(s->windowTitle(), title);
}

void FrameTest::placedOnlyAtFirstShowing() {
    TestProgram program;
    TypingScreen *s = open(program);
    const QRect d = s->screen()->geometry();
    QCOMPARE(s->pos(), QPoint((d.width() - s->width()) / 2, (d.height() - s->height()) / 4));
    s->move(5, 7);
    QTest::mouseClick(s->endButton(), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(&testApp().menu(), "Befehl3"), Qt::LeftButton);
    QCOMPARE(s->pos(), QPoint(5, 7));
    MenuScreen &menu = testApp().menu();
    QCOMPARE(menu.pos(), QPoint((d.width() - menu.width()) / 2, (d.height() - menu.height()) / 2));
}

void FrameTest::infoScreenBesideTheMenu() {
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl12"), Qt::LeftButton);
    InfoScreen &info = testApp().info();
    QVERIFY(info.isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(info.windowTitle(), QStringLiteral("Programm-Info"));
    QCOMPARE(control<QLabel>(&info, "Bezeichnung2")->text(), QStringLiteral("Z"));
    QCOMPARE(control<QLabel>(&info, "Bezeichnung5")->text(), QStringLiteral(" - Z  a  h  l "));
    QCOMPARE(control<QLabel>(&info, "Bezeichnung1")->text(), QStringLiteral("O k a y"));
    QCOMPARE(control<QLabel>(&info, "Bezeichnung2")->palette().color(QPalette::WindowText),
             QColor(255, 0, 255));
    QCOMPARE(control<QLabel>(&info, "Bezeichnung1")->palette().color(QPalette::WindowText),
             QColor(255, 0, 0));
    QVERIFY(control<QLabel>(&info, "Bezeichnung7")->text().contains("\r\n"));
    QVERIFY(!control<QLabel>(&info, "Bezeichnung6")->text().isEmpty());
    // The menu stays usable: the range still moves.
    menu.rangeBar()->setValue(2);
    QCOMPARE(testApp().session().range(), 100);
    QTest::mouseClick(control<QLabel>(&info, "Bezeichnung1"), Qt::LeftButton);
    QVERIFY(!info.isVisible());
    QVERIFY(menu.isVisible());
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl12"), Qt::LeftButton);
    QTest::mouseClick(control<QLabel>(&info, "Bild1"), Qt::LeftButton);
    QVERIFY(!info.isVisible());
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl12"), Qt::LeftButton);
    info.close();
    QVERIFY(!info.isVisible());
    QVERIFY(menu.isVisible());
}

void FrameTest::infoScreenWhileAnExerciseIsOpen() {
    TestProgram program;
    program.writeSettings("1");
    MenuScreen &menu = program.start();
    menu.setExercises(
        {{QStringLiteral("Befehl3"), [] { return &standIn<TypingScreen>(); }, false}});
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl12"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(&menu, "Befehl3"), Qt::LeftButton);
    InfoScreen &info = testApp().info();
    QVERIFY(info.isVisible());
    QTest::mouseClick(control<QLabel>(&info, "Bezeichnung1"), Qt::LeftButton);
    // Never the menu and an exercise on the screen together.
    QVERIFY(!menu.isVisible());
    QVERIFY(standIn<TypingScreen>().isVisible());
}

void FrameTest::keyCodes() {
    auto code = [](int key, Qt::KeyboardModifiers mods, quint32 scan, const QString &text) {
        QKeyEvent e(QEvent::KeyPress, key, mods, scan, 0, 0, text);
        return formKeyCode(e);
    };
    // Real X11 events: main-row keys by scan code, whatever the shift state and layout.
    QCOMPARE(code(Qt::Key_1, Qt::NoModifier, 10, "1"), 49);
    QCOMPARE(code(Qt::Key_Exclam, Qt::ShiftModifier, 10, "!"), 49);
    QCOMPARE(code(Qt::Key_Slash, Qt::ShiftModifier, 16, "/"), 55);
    QCOMPARE(code(Qt::Key_Equal, Qt::ShiftModifier, 19, "="), 48);
    // The keypad never types a digit, NumLock on or off.
    QCOMPARE(code(Qt::Key_1, Qt::KeypadModifier, 87, "1"), 97);
    QCOMPARE(code(Qt::Key_End, Qt::KeypadModifier, 87, ""), 0);
    // Synthesised events carry no scan code.
    QCOMPARE(code(Qt::Key_4, Qt::ShiftModifier, 0, ""), 52);
    QCOMPARE(code(Qt::Key_A, Qt::NoModifier, 38, "a"), 0);
    QCOMPARE(code(Qt::Key_Backspace, Qt::NoModifier, 22, ""), 8);
    QCOMPARE(code(Qt::Key_Return, Qt::NoModifier, 36, "\r"), 13);
    QCOMPARE(code(Qt::Key_Enter, Qt::KeypadModifier, 104, "\r"), 13);
}

QTEST_MAIN(FrameTest)
#include "test_exercise_screen.moc"
