// The baseline: a bare Qt window with one label, ending a moment after its
// first paint, as the program's probe does.
#include "first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {
class QuitAfterPaint : public QObject {
    bool painted_ = false;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            reportFirstPaint();
            QTimer::singleShot(settleMsAfterPaint, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("ZUB-Zahlen"), &window);
    QuitAfterPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
