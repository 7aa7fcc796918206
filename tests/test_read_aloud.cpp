// The "Vorlesen" button against a speaker that only records what it is asked.
#include "Program.h"
#include "RecordingSpeaker.h"
#include "ui/speech/ReadAloudButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

// A window like an exercise screen: the word, the typed answer (focused), the button.
struct TaskWindow : QWidget {
    QLabel *word = new QLabel(QStringLiteral("zwölf"), this);
    QLineEdit *answer = new QLineEdit(this);
    ReadAloudButton *button;

    explicit TaskWindow(Speaker &speaker) : button(new ReadAloudButton(this, &speaker)) {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(word);
        layout->addWidget(answer);
        layout->addWidget(button);
        button->setWordLabel(word);
    }
    void open() {
        show();
        activateWindow();
        answer->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(this));
    }
};

class ReadAloudTest : public QObject {
    Q_OBJECT
    RecordingSpeaker speaker;

private slots:
    void initTestCase() { initTestApplication(); }
    void init() { speaker.reset(); }

    void withoutVoiceDisabledAndSaysWhy() {
        const QString reason = QStringLiteral("Vorlesen nicht möglich: keine deutsche Stimme");
        speaker.setUnavailable(reason);
        TaskWindow window(speaker);
        QCOMPARE(speaker.questions, 0); // nothing starts before the screen shows
        window.open();
        QVERIFY(!window.button->isEnabled());
        QCOMPARE(window.button->toolTip(), reason);
        QTest::keyClick(window.answer, Qt::Key_F2);
        QVERIFY(speaker.calls.isEmpty());
        speaker.setUnavailable(QString()); // the engine came up after all
        QVERIFY(window.button->isEnabled());
    }

    void pressSaysAgainRestartsF2AndLeavingStops() {
        TaskWindow window(speaker);
        window.open();
        QCOMPARE(window.button->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(window.button, Qt::LeftButton);
        QTest::mouseClick(window.button, Qt::LeftButton);
        speaker.finishSpeaking();
        window.button->setWord(QStringLiteral("elf"));
        QTest::keyClicks(window.answer, QStringLiteral("1"));
        QTest::keyClick(window.answer, Qt::Key_F2);
        QTest::keyClicks(window.answer, QStringLiteral("1"));
        window.button->setWord(QStringLiteral(" "));
        QTest::keyClick(window.answer, Qt::Key_F2); // no word: nothing said
        window.hide();
        QCOMPARE(speaker.calls, QStringList({"say zwölf", "restart zwölf", "say elf", "stop"}));
        QCOMPARE(window.answer->text(), QStringLiteral("11"));
    }

    void testProgramsScreensOnlyRecord() {
        QWidget window;
        ReadAloudButton button(&window);
        button.setWord(QStringLiteral("acht"));
        window.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(testSpeaker().calls, QStringList{"say acht"});
    }
};

QTEST_MAIN(ReadAloudTest)
#include "test_read_aloud.moc"
