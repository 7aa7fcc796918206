// The "Vorlesen" button against a speaker that only records what it is asked.
#include "Program.h"
#include "RecordingSpeaker.h"
#include "ui/speech/ReadAloudButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

namespace {
const QString noVoice = QStringLiteral("Vorlesen nicht möglich: keine deutsche Stimme");

// A window like an exercise screen: the word, a typed answer with the focus, the button.
struct TaskWindow {
    QWidget window;
    QLabel *word = new QLabel(QStringLiteral("dreihundertzwölf"), &window);
    QLineEdit *answer = new QLineEdit(&window);
    ReadAloudButton *button;

    explicit TaskWindow(Speaker &speaker) : button(new ReadAloudButton(&window, &speaker)) {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(word);
        layout->addWidget(answer);
        layout->addWidget(button);
        button->setWordLabel(word);
    }
    void show() {
        window.show();
        window.activateWindow();
        answer->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};
} // namespace

class ReadAloudTest : public QObject {
    Q_OBJECT
    RecordingSpeaker speaker;

private slots:
    void initTestCase() { initTestApplication(); }
    void init() { speaker.reset(); }

    void asksTheSpeakerOnlyOnceShown() {
        TaskWindow screen(speaker);
        QCOMPARE(speaker.questions, 0);
        screen.show();
        QVERIFY(speaker.questions > 0);
        QCOMPARE(screen.button->objectName(), QStringLiteral("BefehlVorlesen"));
        QCOMPARE(screen.button->text(), QStringLiteral("Vorlesen"));
        QCOMPARE(screen.button->focusPolicy(), Qt::NoFocus);
    }

    void withoutVoiceDisabledWithReason() {
        speaker.setUnavailable(noVoice);
        TaskWindow screen(speaker);
        screen.show();
        QVERIFY(!screen.button->isEnabled());
        QCOMPARE(screen.button->toolTip(), noVoice);
        QTest::mouseClick(screen.button, Qt::LeftButton);
        QTest::keyClick(screen.answer, Qt::Key_F2);
        QVERIFY(speaker.calls.isEmpty());

        // The engine came up after all: usable from then on.
        speaker.setUnavailable(QString());
        QVERIFY(screen.button->isEnabled());
        QVERIFY(screen.button->toolTip().contains(QLatin1String("F2")));
    }

    void pressSaysPressAgainRestarts() {
        TaskWindow screen(speaker);
        screen.show();
        QTest::mouseClick(screen.button, Qt::LeftButton);
        QTest::mouseClick(screen.button, Qt::LeftButton);
        speaker.finishSpeaking();
        screen.word->setText(QStringLiteral("vierzehn"));
        QTest::mouseClick(screen.button, Qt::LeftButton);
        QCOMPARE(speaker.calls, QStringList({QStringLiteral("say dreihundertzwölf"),
                                             QStringLiteral("restart dreihundertzwölf"),
                                             QStringLiteral("say vierzehn")}));
        QCOMPARE(screen.answer->text(), QString());
    }

    void f2SaysWithoutTakingTheAnswersKeys() {
        TaskWindow screen(speaker);
        screen.button->setWord(QStringLiteral("elf"));
        screen.show();
        QTest::keyClicks(screen.answer, QStringLiteral("1"));
        QTest::keyClick(screen.answer, Qt::Key_F2);
        QTest::keyClicks(screen.answer, QStringLiteral("1"));
        QCOMPARE(speaker.calls, QStringList{QStringLiteral("say elf")});
        QCOMPARE(screen.answer->text(), QStringLiteral("11"));
        QVERIFY(screen.answer->hasFocus());
    }

    void emptyWordSaysNothing() {
        TaskWindow screen(speaker);
        screen.word->clear();
        screen.show();
        QTest::mouseClick(screen.button, Qt::LeftButton);
        screen.button->setWord(QStringLiteral("  "));
        QTest::keyClick(screen.answer, Qt::Key_F2);
        QVERIFY(speaker.calls.isEmpty());
    }

    void leavingTheScreenStops() {
        TaskWindow screen(speaker);
        screen.show();
        QTest::mouseClick(screen.button, Qt::LeftButton);
        screen.window.hide();
        QCOMPARE(speaker.calls,
                 QStringList({QStringLiteral("say dreihundertzwölf"), QStringLiteral("stop")}));
    }

    void screensUseTheInstalledSpeaker() {
        QWidget window;
        ReadAloudButton button(&window);
        button.setWord(QStringLiteral("acht"));
        window.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(testSpeaker().calls, QStringList{QStringLiteral("say acht")});
    }
};

QTEST_MAIN(ReadAloudTest)
#include "test_read_aloud.moc"
