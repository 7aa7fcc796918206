// Renders every screen of the program offscreen to PNG files, each with a
// real task and the child partway through it, as the handbook shows them.
// The pictures are the same on every run: fixed settings, the random
// generator seeded afresh before each screen opens, and every control driven
// the way a child drives it (keys, sliders, drops, clicks). Every font the
// screens ask for is checked too: a face with a metric twin (Arial) must be
// drawn in that twin. Nothing is written unless every picture and every font
// is right, so a failed run leaves the old pictures as they were.
#include "ModalBoxes.h"
#include "Program.h"
#include "core/Random.h"
#include "core/worksheets/WorksheetTasks.h"
#include "exercise_steps.h"
#include "record_steps.h"
#include "ui/MenuScreen.h"
#include "ui/Screen.h"
#include "ui/memory/MemoryScreen.h"
#include "ui/record/RecordView.h"
#include "ui/record/class/ClassPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QStyleHints>
#include <QTest>

#include <cstdio>

namespace {

// A picture of one plain colour means the screen drew nothing.
bool isBlank(const QImage &image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

struct Picture {
    QString name;
    QImage image;
};

bool take(QWidget *screen, const QString &name, QList<Picture> &pictures) {
    // Taken once the window is active, as the child sees it: focus frames
    // and cursors drawn the same on every run.
    if (!QTest::qWaitForWindowActive(screen)) {
        std::fprintf(stderr, "%s never became the active window\n", qPrintable(name));
        return false;
    }
    const QImage image = screen->grab().toImage();
    if (image.isNull() || isBlank(image)) {
        std::fprintf(stderr, "no picture of %s\n", qPrintable(name));
        return false;
    }
    pictures << Picture{name, image};
    return true;
}

bool write(const QList<Picture> &pictures, const QDir &out) {
    if (!out.mkpath(QStringLiteral(".")))
        return false;
    for (const Picture &picture : pictures) {
        const QString path = out.filePath(picture.name + QStringLiteral(".png"));
        if (!picture.image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
        std::printf("%s (%dx%d)\n", qPrintable(path), picture.image.width(),
                    picture.image.height());
    }
    return true;
}

QString nameOf(const QWidget *w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Faces with a metric twin on free systems: the screens keep their layout
// only when the twin stands in.
QString metricTwin(const QString &family) {
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    return QString();
}

// Every font a widget of these windows asks for, and the face drawn in its
// place. A face with a twin must come out as that twin; a face the program
// names with a fallback of its own (a style hint) may fall back, and that is
// said; so may the platform's default face; anything else fails.
bool checkFonts(const QList<QWidget *> &windows) {
    // What a widget gets that asks for nothing: the platform's own generic
    // face ("Sans Serif"), drawn in whatever the system makes of it.
    const QString defaultFamily = QApplication::font().family();
    QSet<QString> told;
    bool ok = true;
    for (QWidget *window : windows) {
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *w : widgets) {
            const QFont asked = w->font();
            const QString shown = QFontInfo(asked).family();
            const QString line = asked.family() + QStringLiteral(" -> ") + shown;
            if (told.contains(line))
                continue;
            told << line;
            const QString twin = metricTwin(asked.family());
            QString verdict;
            if (shown == asked.family())
                verdict = QStringLiteral("as asked");
            else if (asked.family() == defaultFamily)
                verdict = QStringLiteral("the platform's default face");
            else if (!twin.isEmpty() && shown == twin)
                verdict = QStringLiteral("its metric twin");
            else if (twin.isEmpty() && asked.styleHint() != QFont::AnyStyle)
                verdict = QStringLiteral("FALLBACK: not installed, the program's own fallback");
            if (verdict.isEmpty()) {
                std::fprintf(
                    stderr, "font %s is drawn as %s (in %s of %s)%s\n", qPrintable(asked.family()),
                    qPrintable(shown), qPrintable(nameOf(w)), qPrintable(nameOf(window)),
                    twin.isEmpty() ? ""
                                   : qPrintable(QStringLiteral(": install the font ") + twin +
                                                QStringLiteral(" (fonts-liberation)")));
                ok = false;
            } else {
                std::printf("font %s: %s (%s)\n", qPrintable(line), qPrintable(verdict),
                            qPrintable(nameOf(window)));
            }
        }
    }
    return ok;
}

QList<QWidget *> visibleScreens() {
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<Screen *>(w))
            shown << w;
    return shown;
}

// Presses a menu button and returns the screen it brought up (the menu hides);
// the caller's ModalBoxes answer the boxes on the way.
QWidget *openFromMenu(MenuScreen &menu, const char *button, int picture) {
    Random::seed(seedOfPicture(picture));
    QTest::mouseClick(control<QPushButton>(&menu, QLatin1String(button)), Qt::LeftButton);
    for (QWidget *w : visibleScreens())
        if (w != &menu)
            return QTest::qWaitForWindowActive(w) ? w : nullptr;
    return nullptr;
}

void backToMenu(MenuScreen &menu) {
    for (QWidget *w : visibleScreens())
        if (w != &menu)
            w->hide();
    menu.show();
}

// A worksheet as a teacher starts one: a line typed by hand, then tasks.
void composeSheet(QWidget *sheet) {
    auto *text = control<QPlainTextEdit>(sheet, QStringLiteral("Text1"));
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("Name: ________________"));
    QTest::keyClick(text, Qt::Key_Return);
    // One task of every type, in the order of the list.
    auto *types = control<QComboBox>(sheet, QStringLiteral("Kombi1"));
    for (const QString &type : WorksheetTasks::types()) {
        types->setCurrentText(type);
        press(sheet, "Befehl3");
    }
    text->verticalScrollBar()->setValue(0);
}

// The memory game partway: one pair found, two different cards face up.
void playSomeCards(MemoryScreen &memory) {
    auto click = [&memory](int card) {
        QTest::mouseClick(control<QLabel>(&memory, QStringLiteral("Bezeichnung%1").arg(card)),
                          Qt::LeftButton);
    };
    click(1); // deals, and card 1 is up
    const MemoryGame &game = memory.game();
    int partner = 2;
    while (game.numberOn(partner) != game.numberOn(1))
        ++partner;
    click(partner);
    int first = 2;
    while (first == partner)
        ++first;
    int second = first + 1;
    while (second == partner || game.numberOn(second) == game.numberOn(first))
        ++second;
    click(first);
    click(second);
}

} // namespace

// The class view as a teacher sees it, with figures as the class server
// would send them for a class of six.
bool takeClassView(RecordView &view, QList<Picture> &pictures) {
    ClassPanel panel(view.output(), &view);
    const QStringList names = {"Ali", "Ben", "Emil", "Lea", "Mia", "Ole"};
    QList<ClassTable::Child> children;
    QList<ClassCell> cells;
    const qint64 now = seededNow().toMSecsSinceEpoch();
    const QStringList exercises = {"Ordnen", "Ziffern", "Nachbarn", "Zählen"};
    for (int i = 0; i < names.size(); ++i) {
        const QString id = QString::number(i);
        children.append({id, names[i]});
        if (names[i] == QLatin1String("Emil"))
            continue; // has not practised
        for (int e = 0; e < exercises.size(); ++e) {
            const int tasks = 6 + (i * 7 + e * 5) % 19;
            if ((i + e) % 4 == 3)
                continue;
            cells.append({id, exercises[e], tasks, tasks * ((i * 3 + e * 2) % 10 + 1) / 10,
                          45000LL * tasks, now - 86400000LL * ((i + e) % 5)});
        }
    }
    ClassQueries::MistakeCounts mistakes;
    mistakes.childrenPractised = 5;
    mistakes.taskTotals = {{"Nachbarn", 1000, "Nachbarn (Zehner) von 4 099", {}, 4, 7},
                           {"Ordnen", 100, "Ordnen: 38 83 8 33 88", {}, 3, 3}};
    mistakes.givens = {{"Nachbarn", 1000, "Nachbarn (Zehner) von 4 099", "4 100 und 4 110", 3, 5},
                       {"Ordnen", 100, "Ordnen: 38 83 8 33 88", "8 33 38 88 83", 3, 3}};
    auto *choice = view.findChild<QComboBox *>(QStringLiteral("Kind"));
    choice->insertItem(0, QStringLiteral("Klasse 3b"));
    choice->setCurrentIndex(0);
    panel.showLoading(QStringLiteral("3b"), QStringLiteral("alles"), children, {13, seededNow()});
    panel.showFigures(cells, mistakes);
    view.showPanel(&panel);
    const bool ok = take(&view, QStringLiteral("klassenansicht"), pictures);
    view.showPanel(nullptr);
    choice->removeItem(0);
    return ok;
}

int main(int argc, char **argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZUB_PICTURE_DISPLAY);
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    initTestApplication();
    // A blinking text cursor would be caught at a different phase each run.
    QGuiApplication::styleHints()->setCursorFlashTime(0);

    bool ok = true;
    QList<Picture> pictures;
    {
        TestProgram program;              // its own current directory and settings file
        program.writeSettings(" 3 \r\n"); // numbers up to 1000
        MenuScreen &menu = program.start();
        // The fonts are checked on every window shown, once all are made.
        QList<QWidget *> windows{&menu};
        ok &= take(&menu, QStringLiteral("menu"), pictures);

        int picture = 0;
        for (const Shot &shot : menuShots) {
            ModalBoxes boxes;
            QWidget *screen = openFromMenu(menu, shot.button, ++picture);
            if (screen && shot.work)
                shot.work(screen);
            ok &=
                screen && boxes.unexpected == 0 && take(screen, QLatin1String(shot.file), pictures);
            if (screen)
                windows << screen;
            backToMenu(menu);
        }

        // "Druck": the prompt with the range typed in, then the dialog with a sheet.
        ModalBoxes boxes({QStringLiteral("=") + QString::number(pictureRange)});
        boxes.onBox = [&](const SeenBox &) {
            if (auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                // As the teacher sees it: the number typed in.
                prompt->setTextValue(QString::number(pictureRange));
                ok &= take(prompt, QStringLiteral("passwort"), pictures);
                ok &= checkFonts({prompt}); // it is gone once answered
            }
        };
        QWidget *sheet = openFromMenu(menu, "Befehl13", ++picture);
        if (sheet) {
            composeSheet(sheet);
            ok &= take(sheet, QStringLiteral("arbeitsblatt"), pictures);
            windows << sheet;
            // "Lernstand": a seeded record in the program's own temporary folder.
            testApp().openRecord();
            seedRecord(testApp().recordStore());
            press(sheet, "Befehl9");
            RecordView *view = nullptr;
            for (QWidget *w : visibleScreens())
                if (auto *shown = qobject_cast<RecordView *>(w))
                    view = shown;
            if (view) {
                view->setClock(seededNow);
                view->choose(QStringLiteral("Mia"), Period::All);
                ok &= take(view, QStringLiteral("lernstand"), pictures);
                ok &= takeClassView(*view, pictures);
                windows << view;
            } else {
                std::fprintf(stderr, "the record view did not open\n");
                ok = false;
            }
        } else {
            std::fprintf(stderr, "the worksheet dialog did not open\n");
            ok = false;
        }
        backToMenu(menu);

        Random::seed(seedOfPicture(++picture));
        menu.hide();
        MemoryScreen &memory = testApp().memory();
        memory.display();
        playSomeCards(memory);
        ok &= take(&memory, QStringLiteral("memo"), pictures);
        windows << &memory;

        if (!checkFonts(windows)) {
            std::fprintf(stderr, "the pictures would not show the program's fonts\n");
            ok = false;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "no picture written\n");
        return 1;
    }
    return write(pictures, out) ? 0 : 1;
}
