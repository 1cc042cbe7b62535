#include "ui/platform/owner_window_tracker.h"

#include "ui/platform/x11_connection.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace mensurix {
namespace {

using x11::QtConnection;
using x11::Reply;

struct TopLevel {
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_window_t root = XCB_WINDOW_NONE;
};

// The window's ancestor that is a child of the root: the frame a reparenting window manager
// put around it, or the window itself. firstQuery asks for the window's own tree.
TopLevel TopLevelOf(xcb_connection_t* connection, xcb_window_t window,
                    xcb_query_tree_cookie_t firstQuery) {
    for (xcb_query_tree_cookie_t query = firstQuery; window != XCB_WINDOW_NONE;
         query = xcb_query_tree(connection, window)) {
        const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(connection, query, nullptr));
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

int ScreenNumberOf(xcb_connection_t* connection, xcb_window_t root) {
    int screen = 0;
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem;
         xcb_screen_next(&it), ++screen) {
        if (it.data->root == root) {
            return screen;
        }
    }
    return 0;
}

bool HasOwner(xcb_connection_t* connection, xcb_atom_t selection) {
    const Reply<xcb_get_selection_owner_reply_t> owner(xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

// Outer rectangle, border included, in the parent's coordinates.
QRect OuterRect(int x, int y, int width, int height, int border) {
    return {x, y, width + 2 * border, height + 2 * border};
}

} // namespace

// The owner's frame, its mapping and the compositing manager's selection are watched on a
// connection of our own, so that the root's events reach nobody else: on Qt's connection they
// would also come to Qt, copies of the window manager requests sent to the root among them.
// Every event carries the whole new state of what it reports, so handling the events in order
// after any query leaves the newest state in place.
class OwnerWindowTracker::Native {
public:
    explicit Native(OwnerWindowTracker& tracker) : tracker_(tracker) {}
    ~Native() { Release(); }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    void Sync() {
        const auto window =
            static_cast<xcb_window_t>(tracker_.owner_ ? tracker_.owner_->internalWinId() : 0);
        if (!QtConnection() || window == XCB_WINDOW_NONE) {
            Release();
            return;
        }
        if (!watch_ && !Connect()) {
            return;
        }
        if (window != ownerWindow_) {
            ownerWindow_ = window;
            const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(watch_, ownerWindow_, XCB_CW_EVENT_MASK, &mask);
        }
        Locate();
    }

    void Release() {
        notifier_.reset();
        if (watch_) {
            xcb_disconnect(watch_);
            watch_ = nullptr;
        }
        ownerWindow_ = XCB_WINDOW_NONE;
        topWindow_ = XCB_WINDOW_NONE;
        root_ = XCB_WINDOW_NONE;
        topGeometry_.reset();
        viewable_ = true;
        compositing_.reset();
    }

    std::optional<QRect> OwnerGeometry() const { return topGeometry_; }
    bool OwnerViewable() const { return viewable_; }

    bool PlaceFollower(QPoint topLeft) {
        xcb_connection_t* connection = QtConnection();
        const auto follower = static_cast<xcb_window_t>(tracker_.follower_.internalWinId());
        if (!connection || follower == XCB_WINDOW_NONE || !topGeometry_) {
            return false;
        }
        // On Qt's connection, so that it comes after Qt's own requests for the follower.
        if (topWindow_ != XCB_WINDOW_NONE && topWindow_ != follower) {
            const std::uint32_t values[] = {static_cast<std::uint32_t>(topLeft.x()),
                                            static_cast<std::uint32_t>(topLeft.y()), topWindow_,
                                            XCB_STACK_MODE_BELOW};
            xcb_configure_window(connection, follower,
                                 XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y |
                                     XCB_CONFIG_WINDOW_SIBLING | XCB_CONFIG_WINDOW_STACK_MODE,
                                 values);
        } else {
            const std::uint32_t values[] = {static_cast<std::uint32_t>(topLeft.x()),
                                            static_cast<std::uint32_t>(topLeft.y())};
            xcb_configure_window(connection, follower, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y,
                                 values);
        }
        xcb_flush(connection);
        return true;
    }

    // A compositing manager owns the selection _NET_WM_CM_S<screen number> while it runs.
    bool CompositingManagerRuns() {
        if (compositing_) {
            return *compositing_;
        }
        xcb_connection_t* connection = QtConnection();
        if (!connection) {
            return false;
        }
        const xcb_window_t root =
            root_ != XCB_WINDOW_NONE
                ? root_
                : xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        return HasOwner(connection, CompositorSelection(connection, root));
    }

    void ReadPendingEvents() {
        while (watch_) {
            const Reply<xcb_generic_event_t> event(xcb_poll_for_event(watch_));
            if (!event) {
                return;
            }
            Handle(*event);
        }
    }

private:
    static std::string CompositorSelectionName(xcb_connection_t* connection, xcb_window_t root) {
        return "_NET_WM_CM_S" + std::to_string(ScreenNumberOf(connection, root));
    }

    static xcb_atom_t CompositorSelection(xcb_connection_t* connection, xcb_window_t root) {
        return x11::InternAtom(connection, CompositorSelectionName(connection, root));
    }

    // Opens the watching connection on the display named by DISPLAY, the one Qt uses unless it
    // was started with another; without it the follower still goes where Qt's geometry says, at
    // each change Qt reports.
    bool Connect() {
        watch_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(watch_)) {
            xcb_disconnect(watch_);
            watch_ = nullptr;
            return false;
        }
        // Asked now, answered by the time the root is watched.
        xcb_prefetch_extension_data(watch_, &xcb_xfixes_id);
        notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(watch_),
                                                      QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &tracker_.follower_,
                         [this] { ReadPendingEvents(); });
        return true;
    }

    // Finds the owner's top-level window and reads its geometry and whether it is viewable.
    // The owner's own geometry and attributes are asked for together with its tree: while no
    // window manager frames it, the owner is its own top-level window and one round trip
    // answers all three.
    void Locate() {
        const xcb_query_tree_cookie_t tree = xcb_query_tree(watch_, ownerWindow_);
        const xcb_get_geometry_cookie_t ownGeometry = xcb_get_geometry(watch_, ownerWindow_);
        const xcb_get_window_attributes_cookie_t attributes =
            xcb_get_window_attributes(watch_, ownerWindow_);
        const TopLevel top = TopLevelOf(watch_, ownerWindow_, tree);
        topWindow_ = top.window;
        if (top.root != XCB_WINDOW_NONE && top.root != root_) {
            WatchRoot(top.root);
        }
        topGeometry_.reset();
        if (topWindow_ == ownerWindow_) {
            TakeGeometry(ownGeometry);
        } else {
            xcb_discard_reply(watch_, ownGeometry.sequence);
            if (topWindow_ != XCB_WINDOW_NONE) {
                TakeGeometry(xcb_get_geometry(watch_, topWindow_));
            }
        }
        ReadViewable(attributes);
    }

    void TakeGeometry(xcb_get_geometry_cookie_t query) {
        const Reply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(watch_, query, nullptr));
        if (geometry) {
            topGeometry_ = OuterRect(geometry->x, geometry->y, geometry->width, geometry->height,
                                     geometry->border_width);
        }
    }

    void ReadViewable(xcb_get_window_attributes_cookie_t query) {
        const Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(watch_, query, nullptr));
        viewable_ = attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    void WatchRoot(xcb_window_t root) {
        root_ = root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(watch_, root_, XCB_CW_EVENT_MASK, &mask);
        compositing_.reset();
        const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(watch_, &xcb_xfixes_id);
        if (!xfixes || !xfixes->present) {
            return;
        }
        // The extension answers only a client that has told it the version it speaks; the
        // selection's atom is asked for in the same round trip.
        const xcb_xfixes_query_version_cookie_t versionQuery =
            xcb_xfixes_query_version(watch_, XCB_XFIXES_MAJOR_VERSION, XCB_XFIXES_MINOR_VERSION);
        const std::vector<xcb_atom_t> atoms =
            x11::InternAtoms(watch_, {CompositorSelectionName(watch_, root_)});
        const Reply<xcb_xfixes_query_version_reply_t> version(
            xcb_xfixes_query_version_reply(watch_, versionQuery, nullptr));
        if (!version) {
            return;
        }
        xfixesEvent_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
        const xcb_atom_t selection = atoms.front();
        xcb_xfixes_select_selection_input(
            watch_, root_, selection,
            XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
        compositing_ = HasOwner(watch_, selection);
    }

    void Handle(const xcb_generic_event_t& event) {
        const int type = event.response_type & 0x7F;
        const bool synthetic = (event.response_type & 0x80) != 0;
        if (xfixesEvent_ != 0 && type == xfixesEvent_) {
            const auto& selection =
                reinterpret_cast<const xcb_xfixes_selection_notify_event_t&>(event);
            compositing_ = selection.owner != XCB_WINDOW_NONE;
            tracker_.PostChanged();
            return;
        }
        switch (type) {
        case XCB_CONFIGURE_NOTIFY:
            if (!synthetic) {
                OnConfigure(reinterpret_cast<const xcb_configure_notify_event_t&>(event));
            }
            break;
        case XCB_MAP_NOTIFY:
            OnMapping(reinterpret_cast<const xcb_map_notify_event_t&>(event).window);
            break;
        case XCB_UNMAP_NOTIFY:
            OnMapping(reinterpret_cast<const xcb_unmap_notify_event_t&>(event).window);
            break;
        case XCB_CIRCULATE_NOTIFY:
            tracker_.PostChanged();
            break;
        case XCB_REPARENT_NOTIFY:
            // The window manager framed the owner, or gave it up.
            if (reinterpret_cast<const xcb_reparent_notify_event_t&>(event).window ==
                ownerWindow_) {
                Locate();
                tracker_.PostChanged();
            }
            break;
        case XCB_DESTROY_NOTIFY: {
            const xcb_window_t window =
                reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window;
            if (window == topWindow_ || window == ownerWindow_) {
                topWindow_ = XCB_WINDOW_NONE;
                topGeometry_.reset();
            }
            break;
        }
        default:
            break;
        }
    }

    void OnConfigure(const xcb_configure_notify_event_t& configure) {
        const auto follower = static_cast<xcb_window_t>(tracker_.follower_.internalWinId());
        if (configure.window == follower) {
            return;
        }
        if (configure.window == topWindow_) {
            const QRect geometry = OuterRect(configure.x, configure.y, configure.width,
                                             configure.height, configure.border_width);
            const bool moved = !topGeometry_ || topGeometry_->topLeft() != geometry.topLeft();
            topGeometry_ = geometry;
            if (moved) {
                tracker_.listener_(OwnerWindowChange::Moved);
            }
            // A move alone leaves the follower directly below the owner.
            if (configure.above_sibling != follower) {
                tracker_.PostChanged();
            }
        } else if (configure.above_sibling == follower) {
            // Another window came directly above the follower, between it and the owner.
            tracker_.PostChanged();
        }
    }

    void OnMapping(xcb_window_t window) {
        if (window == topWindow_ || window == ownerWindow_) {
            ReadViewable(xcb_get_window_attributes(watch_, ownerWindow_));
        }
        // Any window shown may stand between the follower and the owner.
        tracker_.PostChanged();
    }

    OwnerWindowTracker& tracker_;
    xcb_connection_t* watch_ = nullptr;
    std::unique_ptr<QSocketNotifier> notifier_;
    xcb_window_t ownerWindow_ = XCB_WINDOW_NONE;
    xcb_window_t topWindow_ = XCB_WINDOW_NONE;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    std::optional<QRect> topGeometry_;
    bool viewable_ = true;
    std::optional<bool> compositing_;
    int xfixesEvent_ = 0;
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

// Qt gives every window the application's class and title and the type NORMAL, which would make
// the follower a second program window to tools and to compositor rules. It gets a name and
// class of its own and the drag-and-drop type, which compositors leave without shadow or fade.
void OwnerWindowTracker::PrepareFollowerWindow() {
    xcb_connection_t* connection = QtConnection();
    const auto follower = static_cast<xcb_window_t>(follower_.internalWinId());
    if (!connection || follower == XCB_WINDOW_NONE) {
        return;
    }
    constexpr std::string_view Name = "drop shadow";
    // Instance and class name, each ended by a zero byte.
    constexpr char Class[] = "drop-shadow\0DropShadow";
    x11::SetTextProperty(connection, follower, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING,
                         std::string_view(Class, sizeof Class));
    x11::SetTextProperty(connection, follower, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, Name);
    const std::vector<xcb_atom_t> atoms =
        x11::InternAtoms(connection, {"_NET_WM_NAME", "UTF8_STRING", "_NET_WM_WINDOW_TYPE",
                                      "_NET_WM_WINDOW_TYPE_DND"});
    x11::SetTextProperty(connection, follower, atoms[0], atoms[1], Name);
    x11::SetAtomProperty(connection, follower, atoms[2], {atoms[3]});
    xcb_flush(connection);
}

void OwnerWindowTracker::SetOwner(QWidget* owner) {
    if (owner != owner_) {
        native_->Release();
        owner_ = owner;
    }
    native_->Sync();
}

void OwnerWindowTracker::ReadPendingNotifications() {
    native_->ReadPendingEvents();
}

std::optional<QRect> OwnerWindowTracker::OwnerNativeGeometry() const {
    return native_->OwnerGeometry();
}

bool OwnerWindowTracker::OwnerViewable() const {
    return native_->OwnerViewable();
}

bool OwnerWindowTracker::PlaceFollower(QPoint nativeTopLeft) {
    return native_->PlaceFollower(nativeTopLeft);
}

// Off X11 only Qt's offscreen platform (the widget tests) can stand for a window system that
// shows the follower; a Wayland client cannot place a window of its own.
bool OwnerWindowTracker::CanShowFollower() const {
    if (QtConnection()) {
        return native_->CompositingManagerRuns();
    }
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

} // namespace mensurix
