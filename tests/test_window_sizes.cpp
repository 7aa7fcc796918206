// Every window at every size: opened at each zoom and in full screen on the
// display this run is given (CTest runs it on several), each window lies on
// the display and each of its controls inside it; the Lernstand's buttons can
// be reached and clicked. Full screen and back, and the worksheet dialog's
// zoom steps.
#include "ModalBoxes.h"
#include "Program.h"

#include "ui/Dialogs.h"
#include "ui/Screen.h"
#include "ui/WindowSize.h"
#include "ui/memory/MemoryScreen.h"
#include "ui/numbers/DigitsScreen.h"
#include "ui/numbers/WordsScreen.h"
#include "ui/quantities/PicturesScreen.h"
#include "ui/quantities/QuantitiesScreen.h"
#include "ui/record/ChildQuestion.h"
#include "ui/relations/ComparisonScreen.h"
#include "ui/relations/CountingScreen.h"
#include "ui/relations/NeighboursScreen.h"
#include "ui/relations/OrderingScreen.h"
#include "ui/structure/DecompositionScreen.h"
#include "ui/structure/NumberFamilyScreen.h"
#include "ui/structure/NumberLineScreen.h"
#include "ui/worksheets/WorksheetDialog.h"

#include <QApplication>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A control on a scrolling page is whole when the page is scrolled to it:
// the scroll area itself must lie inside the window.
bool onScrollingPage(const QWidget *w, const QWidget *window) {
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
        if (auto *area = qobject_cast<const QScrollArea *>(p);
            area && area->widget()->isAncestorOf(w))
            return true;
    return false;
}

// What of the window lies outside the display's free area, or of a control
// outside the window.
QStringList outside(QWidget *window) {
    QStringList found;
    // A window in full screen has no frame and may cover the panels.
    const bool full = window->isFullScreen();
    const QRect room = full ? window->screen()->geometry() : window->screen()->availableGeometry();
    if (!room.contains(full ? window->geometry() : window->frameGeometry()))
        found << QStringLiteral("%1 (%2) off the display: %3,%4 %5x%6")
                     .arg(window->objectName(), window->windowTitle())
                     .arg(window->frameGeometry().x())
                     .arg(window->frameGeometry().y())
                     .arg(window->frameGeometry().width())
                     .arg(window->frameGeometry().height());
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->isWindow() || onScrollingPage(w, window))
            continue;
        const QRect at(w->mapTo(window, QPoint()), w->size());
        if (!window->rect().contains(at))
            found << QStringLiteral("%1/%2 %3,%4 %5x%6")
                         .arg(window->objectName(), w->objectName())
                         .arg(at.x())
                         .arg(at.y())
                         .arg(at.width())
                         .arg(at.height());
    }
    return found;
}

// Each button of the view, scrolled to, is whole in sight and takes a click
// at its centre.
QStringList unreachableButtons(QWidget &view) {
    QStringList found;
    auto *area = view.findChild<QScrollArea *>();
    for (QPushButton *button : view.findChildren<QPushButton *>()) {
        if (area)
            area->ensureWidgetVisible(button, 0, 0);
        const QPoint centre = button->mapTo(&view, button->rect().center());
        QWidget *hit = view.childAt(centre);
        const QRect inSight(button->mapTo(area ? area->viewport() : &view, QPoint()),
                            button->size());
        if ((hit != button && !button->isAncestorOf(hit)) ||
            (area && !area->viewport()->rect().contains(inSight)))
            found << button->objectName();
    }
    return found;
}

} // namespace

class WindowSizesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { initTestApplication(); }
    void init() {
        settings_ = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_->path());
    }
    void cleanup() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, realSettings_);
    }

    void everyWindowIsWhole_data();
    void everyWindowIsWhole();
    void fullScreenAndBackKeepsThePlace();
    void worksheetZoomStepsUpAndDown();

private:
    std::unique_ptr<QTemporaryDir> settings_;
    const QString realSettings_ = QStandardPaths::writableLocation(QStandardPaths::ConfigLocation);
};

void WindowSizesTest::everyWindowIsWhole_data() {
    QTest::addColumn<qreal>("zoom"); // 0: full screen
    for (qreal zoom : {1.0, 1.25, 2.0, 3.0})
        QTest::addRow("%d %%", qRound(zoom * 100)) << zoom;
    QTest::addRow("Vollbild") << 0.0;
}

void WindowSizesTest::everyWindowIsWhole() {
    QFETCH(qreal, zoom);
    QSettings().setValue(QStringLiteral("window/zoom"), zoom > 0 ? zoom : 1.0);
    QSettings().setValue(QStringLiteral("window/fullScreen"), zoom == 0);
    TestProgram program;
    program.writeSettings(" 3 \r\n");
    MenuScreen &menu = program.start();
    App &a = program.app();
    a.openRecord();
    QStringList found;

    Screen *record = a.recordView();
    QVERIFY(record);
    const QList<Screen *> screens{
        &menu,           &a.info(),       &a.digits(),       &a.words(),         &a.quantities(),
        &a.pictures(),   &a.numberLine(), &a.numberFamily(), &a.decomposition(), &a.neighbours(),
        &a.comparison(), &a.counting(),   &a.ordering(),     &a.memory(),        &a.worksheet(),
        record};
    for (Screen *screen : screens) {
        screen->display();
        QCoreApplication::processEvents(); // its layouts settle
        QVERIFY2(screen->isFullScreen() == (zoom == 0), qPrintable(screen->objectName()));
        found << outside(screen);
        if (screen == record)
            found << unreachableButtons(*record);
        if (screen != &menu)
            screen->hide();
    }

    // The boxes and dialogs, opened over the menu at the same size.
    menu.display();
    ModalBoxes boxes;
    int looked = 0;
    boxes.onBox = [&](const SeenBox &) {
        found << outside(QApplication::activeModalWidget());
        ++looked;
    };
    boxes.onOtherWindow = [&](QWidget *window) {
        found << outside(window);
        ++looked;
        window->close();
    };
    msgBox(QStringLiteral("Die Aufgabe ist noch nicht gelöst.\rBitte noch einmal versuchen!"),
           MsgIcon::Critical, MsgButtons::YesNo, QStringLiteral("Zahleingabe"));
    inputBox(QStringLiteral("Passwort eingeben:"), QStringLiteral("Drucken"));
    ChildQuestion::ask({QStringLiteral("Mia"), QStringLiteral("Ben"), QStringLiteral("Lea"),
                        QStringLiteral("Tom")});
    WorksheetDialog &sheet = a.worksheet();
    sheet.setPrinterSource([] { return std::unique_ptr<QPrinter>(); });
    sheet.display();
    boxes.answer({QStringLiteral("Arbeitsblatt")});
    sheet.preview();
    QCOMPARE(looked, 5);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

void WindowSizesTest::fullScreenAndBackKeepsThePlace() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    MenuScreen &menu = program.start();
    const QRect room = menu.screen()->availableGeometry();
    menu.move(room.topLeft() + QPoint(40, 30));
    const QRect before = menu.geometry();
    QTest::keyClick(&menu, Qt::Key_F11);
    QVERIFY(menu.isFullScreen());
    QTest::keyClick(&menu, Qt::Key_F11);
    QCOMPARE(menu.geometry(), before);

    // A screen first shown in full screen had no place yet: it comes back
    // centred on the display, whole.
    QTest::keyClick(&menu, Qt::Key_F11);
    InfoScreen &info = program.app().info();
    info.display();
    QVERIFY(info.isFullScreen());
    QTest::keyClick(&info, Qt::Key_F11);
    QVERIFY(!info.isFullScreen());
    QCOMPARE(info.geometry().center(), room.center());
}

void WindowSizesTest::worksheetZoomStepsUpAndDown() {
    TestProgram program;
    program.writeSettings(" 1 \r\n");
    program.start();
    WorksheetDialog &sheet = program.app().worksheet();
    sheet.display();
    const QSize designed = sheet.designedSize();
    const QSize room =
        sheet.screen()->availableGeometry().size() - (sheet.frameGeometry().size() - sheet.size());
    const qreal largest = std::min({WindowSize::largestZoom, qreal(room.width()) / designed.width(),
                                    qreal(room.height()) / designed.height()});
    // Up to 300 % in quarters, as far as the display has room; then back.
    QList<int> heights{sheet.height()};
    for (int k = 1; k <= 8; ++k) {
        QTest::keyClick(&sheet, Qt::Key_Plus, Qt::ControlModifier);
        const qreal want = std::min(1 + k * WindowSize::zoomStep, largest);
        QVERIFY2(std::abs(sheet.height() - designed.height() * want) <= 1,
                 qPrintable(QStringLiteral("step %1: %2").arg(k).arg(sheet.height())));
        heights << sheet.height();
    }
    for (int k = 1; k <= 8; ++k) {
        QTest::keyClick(&sheet, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(sheet.height() <= heights.last());
        heights << sheet.height();
    }
    QCOMPARE(sheet.size(), designed);
}

QTEST_MAIN(WindowSizesTest)
#include "test_window_sizes.moc"
