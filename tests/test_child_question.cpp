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
    void classFirstThenChild();
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

// A classroom computer serving two classes: the class first, then its
// children; the child's server id goes with the name.
void ChildQuestionTest::classFirstThenChild() {
    ChildQuestion question(
        {{QStringLiteral("id-ben"), QStringLiteral("3b"), QStringLiteral("Ben")},
         {QStringLiteral("id-ada"), QStringLiteral("3a"), QStringLiteral("Ada")},
         {QStringLiteral("id-cem"), QStringLiteral("3b"), QStringLiteral("Cem")}});
    question.show();
    auto captions = [&] {
        QStringList list;
        for (QPushButton *b : question.findChildren<QPushButton *>())
            if (b->isVisible())
                list << b->objectName() + QLatin1Char('=') + b->accessibleName();
        return list;
    };
    QCOMPARE(captions(), (QStringList{"Klasse1=Klasse 3b", "Klasse2=Klasse 3a"}));
    QTest::keyClick(question.focusWidget(), Qt::Key_Return); // 3b by keyboard
    QTRY_COMPARE(captions(), (QStringList{"Kind1=Ben", "Kind2=Cem",
                                          QStringLiteral("AndereKlasse=« Andere Klasse")}));
    QTest::mouseClick(question.findChild<QPushButton *>(QStringLiteral("AndereKlasse")),
                      Qt::LeftButton);
    QTRY_COMPARE(captions().size(), 2);
    QTest::mouseClick(question.findChild<QPushButton *>(QStringLiteral("Klasse2")), Qt::LeftButton);
    QTRY_COMPARE(captions(),
                 (QStringList{"Kind1=Ada", QStringLiteral("AndereKlasse=« Andere Klasse")}));
    QTest::mouseClick(question.findChild<QPushButton *>(QStringLiteral("Kind1")), Qt::LeftButton);
    QTRY_COMPARE(question.result(), int(QDialog::Accepted));
    QCOMPARE(question.chosen(), QStringLiteral("Ada"));
    QCOMPARE(question.chosenId(), QStringLiteral("id-ada"));
}

QTEST_MAIN(ChildQuestionTest)
#include "test_child_question.moc"
