// "Wer übt?" at start: asked once the record is open when names exist, the
// keyboard chooses, and the answers go to that child; with no names nothing is asked.
#include "ModalBoxes.h"
#include "Program.h"

#include "store/RecordStore.h"
#include "ui/record/ChildQuestion.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

class ChildQuestionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }

    void keyboardChoosesTheChild();
    void noNamesNoQuestion();
};

void ChildQuestionTest::keyboardChoosesTheChild() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    {
        RecordStore seed(
            QFileInfo(program.settingsPath()).dir().filePath(QStringLiteral("lernstand.sqlite")));
        seed.open();
        seed.addChild(QStringLiteral("Mia"));
        seed.addChild(QStringLiteral("Ole"));
    }
    QStringList seen;
    ModalBoxes boxes;
    boxes.onOtherWindow = [&](QWidget *window) {
        seen << window->objectName() << window->windowTitle();
        for (QPushButton *b : window->findChildren<QPushButton *>())
            seen << b->accessibleName();
        QTest::keyClick(window->focusWidget(), Qt::Key_Down);
        QTest::keyClick(window->focusWidget(), Qt::Key_Down); // round to the first
        QTest::keyClick(window->focusWidget(), Qt::Key_Up);
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
    };
    program.start();
    QTRY_COMPARE(testApp().recorder().child(), QStringLiteral("Ole"));
    QCOMPARE(seen, (QStringList{"WerUebt", QStringLiteral("Wer übt?"), "Mia", "Ole"}));
    QCOMPARE(boxes.unexpected, 0);
}

void ChildQuestionTest::noNamesNoQuestion() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    int asked = 0;
    ModalBoxes boxes;
    boxes.onOtherWindow = [&](QWidget *window) {
        ++asked;
        window->close();
    };
    program.start();
    QTRY_VERIFY(testApp().recordStore().state() != RecordStore::State::Closed);
    QCoreApplication::processEvents();
    QCOMPARE(asked, 0);
    QCOMPARE(testApp().recorder().child(), QString());
}

QTEST_MAIN(ChildQuestionTest)
#include "test_child_question.moc"
