#include "ui/platform/owner_window_tracker.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>

#include <windows.h>

#include <dwmapi.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace mensurix {
namespace {

// Windows 8 and later; older headers may lack the names.
#ifndef EVENT_OBJECT_CLOAKED
constexpr DWORD EVENT_OBJECT_CLOAKED = 0x8017;
constexpr DWORD EVENT_OBJECT_UNCLOAKED = 0x8018;
#endif

HWND HandleOf(quintptr window) {
    return reinterpret_cast<HWND>(window);
}

// Windows on another virtual desktop are cloaked, not hidden: they keep their visible style.
bool IsCloaked(HWND window) {
    DWORD cloaked = 0;
    return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof cloaked)) &&
           cloaked != 0;
}

} // namespace

// Sees the owner's position messages before Qt handles them, and the cloaking of the owner
// (switches of virtual desktop), which reaches no window procedure.
class OwnerWindowTracker::Native final : public QAbstractNativeEventFilter {
public:
    explicit Native(OwnerWindowTracker& tracker) : tracker_(tracker) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        Instances().push_back(this);
        cloakHook_ =
            SetWinEventHook(EVENT_OBJECT_CLOAKED, EVENT_OBJECT_UNCLOAKED, nullptr,
                            &Native::OnWinEvent, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }

    ~Native() override {
        if (cloakHook_) {
            UnhookWinEvent(cloakHook_);
        }
        auto& instances = Instances();
        instances.erase(std::remove(instances.begin(), instances.end(), this), instances.end());
    }

    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

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
            // Sent at each step of the system's move loop too, where Qt's own move events may
            // lag behind: the follower goes along at once.
            const auto* position = reinterpret_cast<const WINDOWPOS*>(msg->lParam);
            if (!(position->flags & SWP_NOMOVE)) {
                tracker_.listener_(OwnerWindowChange::Moved);
            }
            tracker_.PostChanged();
        }
        return false;
    }

private:
    static std::vector<Native*>& Instances() {
        static std::vector<Native*> instances;
        return instances;
    }

    static void CALLBACK OnWinEvent(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window,
                                    LONG object, LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
        if (object != OBJID_WINDOW) {
            return;
        }
        for (Native* native : Instances()) {
            if (native->owner_ && native->owner_ == window) {
                native->tracker_.PostChanged();
            }
        }
    }

    OwnerWindowTracker& tracker_;
    HWND owner_ = nullptr;
    HWINEVENTHOOK cloakHook_ = nullptr;
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

// Every query below asks the window system itself.
void OwnerWindowTracker::ReadPendingNotifications() {}

std::optional<QRect> OwnerWindowTracker::OwnerNativeGeometry() const {
    native_->Sync();
    RECT rect{};
    if (!native_->Owner() || !GetWindowRect(native_->Owner(), &rect)) {
        return std::nullopt;
    }
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

bool OwnerWindowTracker::OwnerViewable() const {
    native_->Sync();
    const HWND owner = native_->Owner();
    return !owner || (IsWindowVisible(owner) && !IsIconic(owner) && !IsCloaked(owner));
}

bool OwnerWindowTracker::PlaceFollower(QPoint nativeTopLeft) {
    native_->Sync();
    const HWND follower = HandleOf(follower_.internalWinId());
    if (!follower || !native_->Owner()) {
        return false;
    }
    SetWindowPos(follower, native_->Owner(), nativeTopLeft.x(), nativeTopLeft.y(), 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

// Layered windows are always blended.
bool OwnerWindowTracker::CanShowFollower() const {
    return true;
}

} // namespace mensurix
