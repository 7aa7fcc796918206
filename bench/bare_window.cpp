// The baseline: a bare Qt window with one label, ending after its first paint.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {
class QuitOnPaint : public QObject {
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("ZUB-Zahlen"), &window);
    QuitOnPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
