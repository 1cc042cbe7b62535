#include "ui/platform/owner_window_tracker.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>

namespace mensurix {
namespace {

// Qt's own connection; null where Qt does not run on X11 (the offscreen platform of the tests).
xcb_connection_t* QtConnection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

struct TopLevel {
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_window_t root = XCB_WINDOW_NONE;
};

// The window's ancestor that is a child of the root: the frame a reparenting window manager
// put around it, or the window itself.
TopLevel TopLevelOf(xcb_connection_t* connection, xcb_window_t window) {
    while (window != XCB_WINDOW_NONE) {
        const std::unique_ptr<xcb_query_tree_reply_t, FreeReply> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
        if (!tree) {
            return {};
        }
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) {
            return {window, tree->root};
        }
        window = tree->parent;
    }
    return {};
}

} // namespace

// The restacks among the root's children are read on a connection of our own, so that the
// root's events reach nobody else: on Qt's connection they would also come to Qt, copies of the
// window manager requests sent to the root among them.
class OwnerWindowTracker::Native {
public:
    explicit Native(OwnerWindowTracker& tracker) : tracker_(tracker) {}
    ~Native() { Release(); }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    void Sync() {
        xcb_connection_t* connection = QtConnection();
        const quintptr window = tracker_.owner_ ? tracker_.owner_->internalWinId() : 0;
        if (!connection || window == 0) {
            Release();
            return;
        }
        const TopLevel top = TopLevelOf(connection, static_cast<xcb_window_t>(window));
        ownerWindow_ = static_cast<xcb_window_t>(window);
        topWindow_ = top.window;
        root_ = top.root;
        if (!watch_ && top.root != XCB_WINDOW_NONE) {
            Watch(top.root);
        }
    }

    void Release() {
        notifier_.reset();
        if (watch_) {
            xcb_disconnect(watch_);
            watch_ = nullptr;
        }
        ownerWindow_ = XCB_WINDOW_NONE;
        topWindow_ = XCB_WINDOW_NONE;
    }

    void StackBelowOwner() {
        const quintptr owner = tracker_.owner_ ? tracker_.owner_->internalWinId() : 0;
        if (owner != ownerWindow_ || topWindow_ == XCB_WINDOW_NONE) {
            Sync();
        }
        xcb_connection_t* connection = QtConnection();
        const quintptr follower = tracker_.follower_.internalWinId();
        if (!connection || follower == 0 || topWindow_ == XCB_WINDOW_NONE ||
            topWindow_ == follower) {
            return;
        }
        // On Qt's connection, so that it comes after Qt's own requests for the follower.
        const std::uint32_t values[] = {topWindow_, XCB_STACK_MODE_BELOW};
        xcb_configure_window(connection, static_cast<xcb_window_t>(follower),
                             XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE, values);
        xcb_flush(connection);
    }

    // A compositing manager owns the selection _NET_WM_CM_S<screen number> while it runs.
    bool CompositingManagerRuns() {
        xcb_connection_t* connection = QtConnection();
        if (!connection) {
            return true;
        }
        if (root_ == XCB_WINDOW_NONE) {
            root_ = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        }
        if (compositorSelection_ == XCB_ATOM_NONE) {
            compositorSelection_ = CompositorSelection(connection, root_);
        }
        const std::unique_ptr<xcb_get_selection_owner_reply_t, FreeReply> owner(
            xcb_get_selection_owner_reply(
                connection, xcb_get_selection_owner(connection, compositorSelection_), nullptr));
        return owner && owner->owner != XCB_WINDOW_NONE;
    }

private:
    static xcb_atom_t CompositorSelection(xcb_connection_t* connection, xcb_window_t root) {
        int screen = 0;
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
             xcb_screen_next(&it), ++screen) {
            if (it.data->root == root) {
                break;
            }
        }
        const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
        const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> atom(xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
            nullptr));
        return atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
    }

    // Opens the watching connection on the display named by DISPLAY, the one Qt uses unless it
    // was started with another; without it the follower is still restacked at each change Qt
    // reports, only not when the window manager slips a window in between.
    void Watch(xcb_window_t root) {
        watch_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(watch_)) {
            xcb_disconnect(watch_);
            watch_ = nullptr;
            return;
        }
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(watch_, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(watch_);
        notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(watch_),
                                                      QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &tracker_.follower_,
                         [this] { ReadEvents(); });
    }

    void ReadEvents() {
        while (watch_) {
            const std::unique_ptr<xcb_generic_event_t, FreeReply> event(xcb_poll_for_event(watch_));
            if (!event) {
                return;
            }
            Handle(*event);
        }
    }

    void Handle(const xcb_generic_event_t& event) {
        switch (event.response_type & 0x7F) {
        case XCB_CONFIGURE_NOTIFY: {
            const auto& configure = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
            const quintptr follower = tracker_.follower_.internalWinId();
            if (configure.window == follower) {
                break;
            }
            // Either the owner's frame has something else than the follower directly below it
            // now (a move alone leaves the follower there), or another window came directly
            // above the follower, between it and the owner.
            const bool ownerRestacked =
                configure.window == topWindow_ && configure.above_sibling != follower;
            const bool windowBetween =
                configure.window != topWindow_ && configure.above_sibling == follower;
            if (ownerRestacked || windowBetween) {
                tracker_.PostChanged();
            }
            break;
        }
        case XCB_CIRCULATE_NOTIFY:
            tracker_.PostChanged();
            break;
        case XCB_REPARENT_NOTIFY: {
            // The window manager framed the owner, or gave it up.
            const auto& reparent = reinterpret_cast<const xcb_reparent_notify_event_t&>(event);
            if (reparent.window == ownerWindow_) {
                topWindow_ = XCB_WINDOW_NONE;
                tracker_.PostChanged();
            }
            break;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto& destroy = reinterpret_cast<const xcb_destroy_notify_event_t&>(event);
            if (destroy.window == topWindow_) {
                topWindow_ = XCB_WINDOW_NONE;
            }
            break;
        }
        default:
            break;
        }
    }

    OwnerWindowTracker& tracker_;
    xcb_connection_t* watch_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    xcb_window_t ownerWindow_ = XCB_WINDOW_NONE;
    xcb_window_t topWindow_ = XCB_WINDOW_NONE;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_atom_t compositorSelection_ = XCB_ATOM_NONE;
};

OwnerWindowTracker::OwnerWindowTracker(QWidget& follower, Listener listener)
    : follower_(follower), listener_(std::move(listener)),
      native_(std::make_unique<Native>(*this)) {}

OwnerWindowTracker::~OwnerWindowTracker() = default;

// Override-redirect keeps the window manager from managing the follower, so it gets no frame,
// no taskbar entry, no focus and no WM_TRANSIENT_FOR stacking rule that would keep it above its
// owner; a plain Qt::Window type (not Qt::Tool) carries no transient hint either.
// WindowTransparentForInput gives it an empty input shape.
Qt::WindowFlags OwnerWindowTracker::FollowerWindowFlags() {
    return Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
           Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput |
           Qt::NoDropShadowWindowHint;
}

// The flags above already make the X11 window what the follower needs.
void OwnerWindowTracker::PrepareFollowerWindow() {}

void OwnerWindowTracker::SetOwner(QWidget* owner) {
    if (owner != owner_) {
        native_->Release();
        owner_ = owner;
    }
    native_->Sync();
}

void OwnerWindowTracker::StackBelowOwner() {
    native_->StackBelowOwner();
}

bool OwnerWindowTracker::CanShowTranslucentFollower() const {
    return native_->CompositingManagerRuns();
}

} // namespace mensurix
