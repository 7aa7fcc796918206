// Renders every screen of the program offscreen to PNG files. The pictures
// are the same on every run: fixed settings, and the random generator seeded
// afresh before each screen opens.
#include "ModalBoxes.h"
#include "Program.h"
#include "core/Random.h"
#include "ui/MenuScreen.h"
#include "ui/Screen.h"
#include "ui/memory/MemoryScreen.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cstdio>

namespace {

constexpr quint32 pictureSeed = 2024;

struct Shot {
    const char *button; // the menu button that opens the screen
    const char *file;
};

// The exercises in the menu's order, then the info screen.
const Shot menuShots[] = {
    {"Befehl2", "ziffern"},  {"Befehl3", "woerter"},  {"Befehl4", "mengen"},
    {"Befehl5", "bilder"},   {"Befehl6", "strahl"},   {"Befehl7", "familie"},
    {"Befehl8", "zerlegen"}, {"Befehl9", "nachbarn"}, {"Befehl10", "vergleichen"},
    {"Befehl11", "zaehlen"}, {"Befehl14", "ordnen"},  {"Befehl12", "info"},
};

// A picture of one plain colour means the screen drew nothing.
bool isBlank(const QImage &image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != first)
                return false;
    return true;
}

bool save(QWidget *screen, const QDir &out, const QString &name) {
    const QImage image = screen->grab().toImage();
    const QString path = out.filePath(name + QStringLiteral(".png"));
    if (image.isNull() || isBlank(image) || !image.save(path)) {
        std::fprintf(stderr, "no picture of %s\n", qPrintable(name));
        return false;
    }
    std::printf("%s (%dx%d)\n", qPrintable(path), image.width(), image.height());
    return true;
}

QList<QWidget *> visibleScreens() {
    QList<QWidget *> shown;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<Screen *>(w))
            shown << w;
    return shown;
}

// Presses a menu button and returns the screen it brought up (the menu hides).
QWidget *openFromMenu(MenuScreen &menu, const char *button, const QStringList &answers = {}) {
    Random::seed(pictureSeed);
    ModalBoxes boxes(answers);
    QTest::mouseClick(control<QPushButton>(&menu, QLatin1String(button)), Qt::LeftButton);
    for (QWidget *w : visibleScreens())
        if (w != &menu)
            return w;
    return nullptr;
}

void backToMenu(MenuScreen &menu) {
    for (QWidget *w : visibleScreens())
        if (w != &menu)
            w->hide();
    menu.show();
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;
    initTestApplication();

    bool ok = true;
    {
        TestProgram program;              // its own current directory and settings file
        program.writeSettings(" 3 \r\n"); // numbers up to 1000
        MenuScreen &menu = program.start();
        ok &= save(&menu, out, QStringLiteral("menu"));

        for (const Shot &shot : menuShots) {
            QWidget *screen = openFromMenu(menu, shot.button);
            ok &= screen && save(screen, out, QLatin1String(shot.file));
            backToMenu(menu);
        }

        // The worksheet dialog, where this build has one: the prompt wants the range.
        if (QWidget *sheet = openFromMenu(menu, "Befehl13", {QStringLiteral("=1000")}))
            ok &= save(sheet, out, QStringLiteral("arbeitsblatt"));
        backToMenu(menu);

        Random::seed(pictureSeed);
        menu.hide();
        MemoryScreen &memory = testApp().memory();
        memory.display();
        ok &= save(&memory, out, QStringLiteral("memo"));
    }
    return ok ? 0 : 1;
}
