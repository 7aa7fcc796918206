#pragma once

#include "Modul1.h"
#include "core/Session.h"

#include <QPointer>
#include <QWidget>

#include <type_traits>

// Screens the task routines of the exercises not yet moved still reach by
// type: each is created the first time it is asked for (without being
// shown) and afterwards only hidden and shown.
namespace Screens {

template <class T> T &get() {
    static QPointer<T> instance;
    if (!instance) {
        if constexpr (std::is_constructible_v<T, Session &>)
            instance = new T(MODUL1::session());
        else
            instance = new T;
    }
    return *instance;
}

} // namespace Screens
