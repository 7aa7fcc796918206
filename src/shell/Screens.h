#pragma once

#include <QPointer>
#include <QWidget>

// Each screen exists once: it is created the first time it is asked for
// (without being shown) and afterwards only hidden and shown, so it keeps
// what its controls show.
namespace Screens {

template <class T> T &get() {
    static QPointer<T> instance;
    if (!instance)
        instance = new T;
    return *instance;
}

} // namespace Screens
