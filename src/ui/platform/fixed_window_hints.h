#pragma once

#include <QObject>
#include <QWidget>

namespace mensurix {

// Keeps a fixed-size frameless main window what it was designed as, for the life of its native
// windows: it can be moved, minimised and closed, but neither maximised nor made full screen (a
// window manager's request for either is undone, and on Windows the styles that offer them are
// taken away); on X11 it carries a legacy ICCCM name (WM_NAME) like its title, for window
// managers that read no other. A child of the window; applied again whenever the native window
// is created anew or the title changes.
class FixedWindowHints final : public QObject {
public:
    explicit FixedWindowHints(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window system's side, one source per platform; does nothing before the native window
    // exists.
    static void Apply(QWidget& window);

    QWidget& window_;
};

} // namespace mensurix
