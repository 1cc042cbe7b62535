#include "ui/platform/fixed_window_hints.h"

#include <QEvent>

namespace mensurix {

FixedWindowHints::FixedWindowHints(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
    Apply(window);
}

bool FixedWindowHints::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::WinIdChange:
    case QEvent::WindowTitleChange:
        Apply(window_);
        break;
    case QEvent::WindowStateChange: {
        // Some window managers offer full screen to every normal window whatever it declares;
        // a fixed-size window refuses it and maximising, and stays as it was designed.
        constexpr Qt::WindowStates Refused = Qt::WindowMaximized | Qt::WindowFullScreen;
        if (window_.windowState() & Refused) {
            window_.setWindowState(window_.windowState() & ~Refused);
        }
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace mensurix
