#pragma once

#include "ui/shadow/halo_window.h"

#include <QApplication>

namespace mensurix {

// The halo of the open window: the one shadow among the top-level widgets, or none once the
// window has let it go.
inline HaloWindow* WindowShadow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* shadow = qobject_cast<HaloWindow*>(widget)) {
            return shadow;
        }
    }
    return nullptr;
}

} // namespace mensurix
