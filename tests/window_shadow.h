#pragma once

#include "ui/shadow/form_shadow.h"

#include <QApplication>

namespace mensurix {

// The halo of the open window: the one shadow among the top-level widgets, or none once the
// window has let it go.
inline TFormShadow* WindowShadow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* shadow = qobject_cast<TFormShadow*>(widget)) {
            return shadow;
        }
    }
    return nullptr;
}

} // namespace mensurix
