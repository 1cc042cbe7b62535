#include "ui/platform/owner_window_tracker.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#include <windows.h>

#include <utility>

namespace mensurix {
namespace {

HWND HandleOf(quintptr window) {
    return reinterpret_cast<HWND>(window);
}

} // namespace

// Sees the owner's position messages before Qt handles them.
class OwnerWindowTracker::Native final : public QAbstractNativeEventFilter {
public:
    explicit Native(OwnerWindowTracker& tracker) : tracker_(tracker) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    void Sync() { owner_ = HandleOf(tracker_.owner_ ? tracker_.owner_->internalWinId() : 0); }

    HWND Owner() const { return owner_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (!owner_ || eventType != "windows_generic_MSG") {
            return false;
        }
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->hwnd != owner_) {
            return false;
        }
        if (msg->message == WM_WINDOWPOSCHANGING) {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(msg->lParam);
            // Hide before the owner disappears, so the halo never stands alone on the screen.
            if (position->flags & SWP_HIDEWINDOW) {
                tracker_.listener_(OwnerWindowChange::Hiding);
            }
        } else if (msg->message == WM_WINDOWPOSCHANGED) {
            tracker_.PostChanged();
        }
        return false;
    }

private:
    OwnerWindowTracker& tracker_;
    HWND owner_ = nullptr;
};

OwnerWindowTracker::OwnerWindowTracker(QWidget& follower, Listener listener)
    : follower_(follower), listener_(std::move(listener)),
      native_(std::make_unique<Native>(*this)) {}

OwnerWindowTracker::~OwnerWindowTracker() = default;

// A tool window has no taskbar button; the styles Qt may leave out are added once the window
// exists (PrepareFollowerWindow).
Qt::WindowFlags OwnerWindowTracker::FollowerWindowFlags() {
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
           Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint;
}

void OwnerWindowTracker::PrepareFollowerWindow() {
    const HWND follower = HandleOf(follower_.internalWinId());
    if (!follower) {
        return;
    }
    const LONG_PTR exStyle = GetWindowLongPtrW(follower, GWL_EXSTYLE);
    SetWindowLongPtrW(follower, GWL_EXSTYLE,
                      exStyle | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT);
    // An owned window always stays above its owner window; the follower must go below its owner.
    SetWindowLongPtrW(follower, GWLP_HWNDPARENT, 0);
}

void OwnerWindowTracker::SetOwner(QWidget* owner) {
    owner_ = owner;
    native_->Sync();
}

void OwnerWindowTracker::StackBelowOwner() {
    native_->Sync();
    const HWND follower = HandleOf(follower_.internalWinId());
    if (!follower || !native_->Owner()) {
        return;
    }
    SetWindowPos(follower, native_->Owner(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Layered windows are always blended.
bool OwnerWindowTracker::CanShowTranslucentFollower() const {
    return true;
}

} // namespace mensurix
