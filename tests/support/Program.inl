#include <QTest>
#include <QWidget>

template <class T> T *control(QWidget *screen, const QString &name) {
    T *found = screen->findChild<T *>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(screen->objectName()));
    return found;
}
