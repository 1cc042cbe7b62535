#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace mensurix {

enum class OwnerWindowChange {
    // The owner's native window is about to be hidden.
    Hiding,
    // The owner's native window moved. Reported at once, also while the window manager or the
    // system's move loop drags the owner and Qt learns of the move only at the end.
    Moved,
    // The owner's native window changed otherwise: its place in the stacking order, whether the
    // window system shows it, or whether the window system can show the follower. Reported
    // once the window system's notification has been handled, so Qt's geometry is up to date.
    Changed,
};

// Keeps a follower window (unmanaged by the window manager, never activated, without input)
// directly below an owner window in the window system's stacking order, and reports the owner's
// native window changes that Qt's widget events do not carry: moves while the window manager
// drags it, hides and shows by the window manager (another desktop, iconified), restacks, and
// a compositing manager that starts or stops.
class OwnerWindowTracker final {
public:
    using Listener = std::function<void(OwnerWindowChange)>;

    OwnerWindowTracker(QWidget& follower, Listener listener);
    ~OwnerWindowTracker();
    OwnerWindowTracker(const OwnerWindowTracker&) = delete;
    OwnerWindowTracker& operator=(const OwnerWindowTracker&) = delete;

    // The window flags the follower is created with.
    static Qt::WindowFlags FollowerWindowFlags();

    // To be called once the follower's native window exists, before it is first shown.
    void PrepareFollowerWindow();

    // Follows owner, or nothing with nullptr. Works before the owner has a native window; call
    // again when the owner's native window is created or recreated.
    void SetOwner(QWidget* owner);

    // The owner's outer rectangle (its frame included) in device pixels, as the window system
    // has it now; nothing where the window system does not say, and Qt's geometry is all there
    // is.
    std::optional<QRect> OwnerNativeGeometry() const;

    // Takes in the window system's notifications that have arrived and not yet been handled,
    // for a caller that knows of a change before the tracker's own turn in the event loop.
    void ReadPendingNotifications();

    // Whether the window system shows the owner: false while the window manager keeps it
    // unmapped (iconified, on another desktop) or, on Windows, hidden, minimised or cloaked on
    // another virtual desktop. True where the window system does not say.
    bool OwnerViewable() const;

    // Puts the follower's top-left corner at a point in device pixels and the follower directly
    // below the owner's top-level native window. False where the window system offers no such
    // placement; the caller then places the follower through Qt.
    bool PlaceFollower(QPoint nativeTopLeft);

    // Whether the window system can show the follower at all: at a place the program chooses
    // (a Wayland client places no window of its own), with its translucent pixels blended over
    // what lies below (on X11 only while a compositing manager runs; without one they would
    // show as an opaque dark frame).
    bool CanShowFollower() const;

private:
    // The window system's side, one implementation per platform.
    class Native;

    // Reports Changed once the current native notification has been handled.
    void PostChanged();

    QWidget& follower_;
    Listener listener_;
    QPointer<QWidget> owner_;
    bool changePending_ = false;
    std::unique_ptr<Native> native_;
};

} // namespace mensurix
