// Screens that grow with their window: every control at twice its designed
// place at 200 %, drags that land there by mouse and by finger, full screen
// and the remembered size, and pictures drawn sharp at their enlarged size.
#include "ModalBoxes.h"
#include "Program.h"
#include "drop_events.h"

#include "ui/Label.h"
#include "ui/Screen.h"
#include "ui/memory/MemoryScreen.h"
#include "ui/numbers/DigitsScreen.h"
#include "ui/numbers/WordsScreen.h"
#include "ui/quantities/PicturesScreen.h"
#include "ui/quantities/QuantitiesScreen.h"
#include "ui/relations/ComparisonScreen.h"
#include "ui/relations/CountingScreen.h"
#include "ui/relations/NeighboursScreen.h"
#include "ui/relations/OrderingScreen.h"
#include "ui/structure/DecompositionScreen.h"
#include "ui/structure/NumberFamilyScreen.h"
#include "ui/structure/NumberLineScreen.h"
#include "ui/worksheets/WorksheetDialog.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

struct Shown {
    QPointer<QWidget> widget;
    QRect rect;
    QString text;
    qreal points;
};

// What the screen shows of each control of its own.
QList<Shown> controlsOf(Screen &screen) {
    QList<Shown> shown;
    for (QWidget *w : screen.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow())
            continue;
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            text = button->text();
        shown << Shown{w, w->geometry(), text, w->font().pointSizeF()};
    }
    return shown;
}

// Twice the designed rectangle, within a pixel on every edge.
bool twice(const QRect &now, const QRect &designed) {
    const QRect want(2 * designed.topLeft(), 2 * designed.size());
    return (now.topLeft() - want.topLeft()).manhattanLength() <= 2 &&
           std::abs(now.width() - want.width()) <= 1 && std::abs(now.height() - want.height()) <= 1;
}

QPoint centreOf(QWidget *w) {
    return w->mapTo(w->window(), w->rect().center());
}

} // namespace

class ScalingTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    // Each test its own settings: the sizes it chooses stay there.
    void init() {
        settings_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->path());
    }
    void cleanup() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, realSettings_);
    }

    void everyControlDoubles_data();
    void everyControlDoubles();
    void worksheetTextFieldTakesTheRoom();

    void dropsAndTapsLandAt200();

    void fullScreenHoldsForTheExercisesAndIsRemembered();
    void sizeKeysStepAndAreRemembered();

    void enlargedBlocksHaveSharpEdges();

private:
    std::unique_ptr<QTemporaryDir> settings_;
    const QString realSettings_ = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
};

void ScalingTest::everyControlDoubles_data() {
    QTest::addColumn<QString>("name");
    for (const char *name : {"Form1", "ZUBLABEL", "Form2", "Form3", "Form4", "Form5", "Form6",
                             "Form7", "Form8", "Form9", "Form10", "Form12", "Form13", "memo"})
        QTest::addRow("%s", name) << QString::fromLatin1(name);
}

void ScalingTest::everyControlDoubles() {
    QFETCH(QString, name);
    TestProgram program;
    program.writeSettings(" 3 \r\n");
    program.start();
    App &a = program.app();
    const QList<Screen *> screens{
        &a.menu(),       &a.info(),       &a.digits(),       &a.words(),         &a.quantities(),
        &a.pictures(),   &a.numberLine(), &a.numberFamily(), &a.decomposition(), &a.neighbours(),
        &a.comparison(), &a.counting(),   &a.ordering(),     &a.memory()};
    Screen &screen = **std::find_if(screens.cbegin(), screens.cend(),
                                    [&](Screen *s) { return s->objectName() == name; });
    screen.display();
    QCOMPARE(screen.size(), screen.designedSize());
    const QList<Shown> designed = controlsOf(screen);

    screen.resize(screen.designedSize() * 2);
    QCOMPARE(screen.scale().factor, 2.0);
    const QList<Shown> enlarged = controlsOf(screen);
    for (qsizetype i = 0; i < designed.size(); ++i) {
        const Shown &d = designed.at(i);
        QVERIFY2(twice(d.widget->geometry(), d.rect), qPrintable(d.widget->objectName()));
        QCOMPARE(enlarged.at(i).text, d.text);
        QCOMPARE(d.widget->font().pointSizeF(), 2 * d.points);
    }

    // Back at the designed size, nothing has moved by a pixel.
    screen.resize(screen.designedSize());
    for (const Shown &d : designed) {
        QCOMPARE(d.widget->geometry(), d.rect);
        QCOMPARE(d.widget->font().pointSizeF(), d.points);
    }
}

void ScalingTest::worksheetTextFieldTakesTheRoom() {
    TestProgram program;
    WorksheetDialog &dialog = program.app().worksheet();
    dialog.display();
    auto *field = control<QPlainTextEdit>(&dialog, QStringLiteral("Text1"));
    auto *pdf = control<QPushButton>(&dialog, QStringLiteral("Befehl8"));
    const QRect fieldBefore = field->geometry(), pdfBefore = pdf->geometry();

    dialog.resize(dialog.size() + QSize(200, 100));
    QCOMPARE(field->geometry(), fieldBefore.adjusted(0, 0, 200, 100));
    QCOMPARE(pdf->geometry(), pdfBefore.translated(0, 100));
    QCOMPARE(field->font().pointSizeF(), 12.0);
}

void ScalingTest::dropsAndTapsLandAt200() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    program.start();
    ComparisonScreen &comparison = program.app().comparison();
    OrderingScreen &screen = program.app().ordering();
    for (Screen *s : {static_cast<Screen *>(&comparison), static_cast<Screen *>(&screen)}) {
        s->display();
        s->resize(s->designedSize() * 2);
    }
    screen.newTask();
    // The drops go to the window at the targets' enlarged places.
    QVERIFY(dropOn(&comparison, comparison.square(3), *labelDrag(QStringLiteral("<"))));
    QCOMPARE(comparison.square(3)->text(), QStringLiteral("<"));
    QCOMPARE(comparison.square(2)->text(), QString());
    QVERIFY(dropOn(&screen, screen.answerBox(4), *labelDrag(screen.numberLabel(2)->text())));
    QCOMPARE(screen.answerBox(4)->text(), screen.numberLabel(2)->text());
    QCOMPARE(screen.answerBox(3)->text(), QString());

    // A tap on OKAY presses it; the box it opens is as large as the screen.
    qreal boxPoints = 0;
    ModalBoxes boxes({QStringLiteral("OK")});
    boxes.onBox = [&](const SeenBox &) {
        boxPoints = QApplication::activeModalWidget()->font().pointSizeF();
    };
    QWindow *window = screen.windowHandle();
    // Registered with Qt until deleted; the test deletes it, as it made it.
    const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
    const QPoint okay = centreOf(screen.okayButton());
    QTest::touchEvent(window, finger.get()).press(0, okay, window);
    QTest::touchEvent(window, finger.get()).release(0, okay, window);
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxPoints, 2 * QApplication::font().pointSizeF());
}

void ScalingTest::fullScreenHoldsForTheExercisesAndIsRemembered() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    QTest::keyClick(&menu, Qt::Key_F11);
    QVERIFY(menu.isFullScreen());
    QCOMPARE(QSettings().value(QStringLiteral("window/fullScreen")).toBool(), true);

    // The exercise the menu opens fills the display too, its content centred.
    QTest::mouseClick(control<QPushButton>(&menu, QStringLiteral("Befehl10")), Qt::LeftButton);
    ComparisonScreen &screen = program.app().comparison();
    QVERIFY(screen.isFullScreen());
    const ScreenScale scale = ScreenScale::fitting(screen.designedSize(), screen.size());
    QCOMPARE(screen.scale().factor, scale.factor);
    const QRect enlargedOkay = screen.okayButton()->geometry();

    QTest::keyClick(&screen, Qt::Key_F11);
    QVERIFY(!screen.isFullScreen());
    QCOMPARE(screen.size(), screen.designedSize());
    QCOMPARE(enlargedOkay, scale.rect(screen.okayButton()->geometry()));
    QCOMPARE(QSettings().value(QStringLiteral("window/fullScreen")).toBool(), false);
}

void ScalingTest::sizeKeysStepAndAreRemembered() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    const QSize designed = menu.designedSize();
    QTest::keyClick(&menu, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(menu.size(), designed * 1.25);
    for (int i = 0; i < 2; ++i) // never below 100 %
        QTest::keyClick(&menu, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(menu.size(), designed);
    QTest::keyClick(&menu, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(QSettings().value(QStringLiteral("window/zoom")).toDouble(), 1.25);

    // The next screen opens at the remembered size; Ctrl+0 goes back.
    InfoScreen &info = program.app().info();
    info.display();
    QCOMPARE(info.size(), info.designedSize() * 1.25);
    QCOMPARE(info.scale().factor, 1.25);
    QTest::keyClick(&info, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(info.size(), info.designedSize());
}

void ScalingTest::enlargedBlocksHaveSharpEdges() {
    TestProgram program;
    program.writeSettings(" 3 \r\n");
    program.start();
    QuantitiesScreen &screen = program.app().quantities();
    screen.display();
    for (const char *bar : {"HBildlauf4", "HBildlauf1", "HBildlauf2", "HBildlauf3"})
        control<QScrollBar>(&screen, QString::fromLatin1(bar))->setValue(2);
    screen.resize(screen.designedSize() * 2);
    // The block rows above the bars: only the background and the block colour,
    // no blended pixel along any edge; the lines as thick as the factor.
    const QImage picture = screen.grab(QRect(0, 0, screen.width(), 2 * 190)).toImage();
    const QColor blocks(0, 0, 128), background(255, 255, 128);
    int blockPixels = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            QVERIFY2(c == blocks || c == background, qPrintable(c.name()));
            blockPixels += c == blocks;
        }
    QVERIFY(blockPixels > 0);
    // The first rod's left edge: two pixels wide, as one is at 100 %.
    const int rodLeft = 2 * (400 / 15);
    const int belowTop = 2 * (2000 / 15) + 4;
    QString edge;
    for (int x = rodLeft - 2; x <= rodLeft + 1; ++x)
        edge += picture.pixelColor(x, belowTop) == blocks ? QLatin1Char('#') : QLatin1Char('.');
    QCOMPARE(edge, QStringLiteral(".##."));
}

QTEST_MAIN(ScalingTest)
#include "test_scaling.moc"
