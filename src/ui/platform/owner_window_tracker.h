#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace mensurix {

enum class OwnerWindowChange {
    // The owner's native window is about to be hidden.
    Hiding,
    // The owner's native window moved or changed its place in the stacking order. Reported once
    // the window system's notification has been handled, so Qt's geometry is up to date.
    Changed,
};

// Keeps a follower window (unmanaged by the window manager, never activated, without input)
// directly below an owner window in the window system's stacking order, and reports the owner's
// native window changes that Qt's widget events do not carry: a coming hide on Windows; on X11
// any restack that leaves another window between the owner and the follower.
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

    // Puts the follower directly below the owner's top-level native window.
    void StackBelowOwner();

    // Whether the window system can show the follower's translucent pixels blended over what
    // lies below: on X11 only while a compositing manager runs; without one they would show as
    // an opaque dark frame.
    bool CanShowTranslucentFollower() const;

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
