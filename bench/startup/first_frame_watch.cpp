#include "startup/first_frame_watch.h"

#include <xcb/damage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
using Event = std::unique_ptr<xcb_generic_event_t, FreeReply>;

std::uint64_t ResidentBytes(int pid) {
    std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
    std::uint64_t size = 0;
    std::uint64_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
}

// The next event, waiting up to timeout for one; null when none came.
Event NextEvent(xcb_connection_t* connection, milliseconds timeout) {
    if (Event event{xcb_poll_for_event(connection)}) {
        return event;
    }
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    if (poll(&descriptor, 1, static_cast<int>(std::max(timeout, milliseconds(1)).count())) <= 0) {
        return nullptr;
    }
    return Event{xcb_poll_for_event(connection)};
}

pid_t Spawn(const std::vector<std::string>& command) {
    std::vector<char*> arguments;
    for (const std::string& argument : command) {
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed =
        posix_spawnp(&pid, arguments[0], &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) {
        throw std::runtime_error("cannot start " + command.front());
    }
    return pid;
}

} // namespace

struct FirstFrameWatch::Progress {
    pid_t pid = 0;
    std::uint32_t start = 0;
    std::vector<Window> windows;
    Clock::time_point lastChange = Clock::now();
    StartupRun run;

    Window* Find(xcb_window_t id) {
        const auto found = std::find_if(windows.begin(), windows.end(),
                                        [id](const Window& window) { return window.id == id; });
        return found == windows.end() ? nullptr : &*found;
    }
    bool Complete() const {
        const auto painted = [](const Window& window) { return window.painted; };
        const auto settled = [](const Window& window) {
            return !window.mapped || window.painted || window.destroyed;
        };
        return std::any_of(windows.begin(), windows.end(), painted) &&
               std::all_of(windows.begin(), windows.end(), settled);
    }
};

FirstFrameWatch::FirstFrameWatch() {
    connection_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot open the X display named by DISPLAY");
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) {
        xcb_disconnect(connection_);
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    damageNotify_ = static_cast<std::uint8_t>(damage->first_event + XCB_DAMAGE_NOTIFY);
    std::free(xcb_damage_query_version_reply(connection_,
                                             xcb_damage_query_version(connection_, 1, 1), nullptr));

    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &rootMask);

    clock_ = xcb_generate_id(connection_);
    const std::uint32_t clockMask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection_, 0, clock_, root_, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &clockMask);
    xcb_flush(connection_);
}

FirstFrameWatch::~FirstFrameWatch() {
    xcb_disconnect(connection_);
}

// A property change is the cheapest request that the server answers with its own timestamp.
std::uint32_t FirstFrameWatch::ServerTime() {
    xcb_change_property(connection_, XCB_PROP_MODE_APPEND, clock_, XCB_ATOM_WM_NAME,
                        XCB_ATOM_STRING, 8, 0, nullptr);
    xcb_flush(connection_);
    while (const Event event{xcb_wait_for_event(connection_)}) {
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            return reinterpret_cast<const xcb_property_notify_event_t&>(*event).time;
        }
    }
    throw std::runtime_error("the X connection broke");
}

StartupRun FirstFrameWatch::Run(const std::vector<std::string>& command, milliseconds settle,
                                milliseconds limit) {
    Progress progress;
    progress.start = ServerTime();
    progress.pid = Spawn(command);
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        const Clock::time_point now = Clock::now();
        const bool complete = progress.Complete();
        if (complete && now - progress.lastChange >= settle) {
            break;
        }
        if (now >= deadline) {
            kill(progress.pid, SIGKILL);
            waitpid(progress.pid, nullptr, 0);
            throw std::runtime_error(command.front() + " showed no complete picture in time");
        }
        const Clock::time_point wakeUp =
            complete ? std::min(deadline, progress.lastChange + settle) : deadline;
        if (const Event event =
                NextEvent(connection_, std::chrono::duration_cast<milliseconds>(wakeUp - now))) {
            Handle(*event, progress);
        }
    }
    kill(progress.pid, SIGTERM);
    waitpid(progress.pid, nullptr, 0);
    WaitUntilDestroyed(progress);
    return progress.run;
}

void FirstFrameWatch::Handle(const xcb_generic_event_t& event, Progress& progress) {
    const std::uint8_t type = event.response_type & 0x7F;
    if (type == XCB_CREATE_NOTIFY) {
        const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        if (created.parent == root_ && created.window != clock_) {
            // Raw rectangles: one event per drawing request, each with the server's time.
            xcb_damage_create(connection_, xcb_generate_id(connection_), created.window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(connection_);
            progress.windows.push_back({created.window});
        }
    } else if (type == XCB_MAP_NOTIFY) {
        const auto& mapped = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        if (Window* window = progress.Find(mapped.window)) {
            window->mapped = true;
            progress.lastChange = Clock::now();
        }
    } else if (type == XCB_DESTROY_NOTIFY) {
        const auto& destroyed = reinterpret_cast<const xcb_destroy_notify_event_t&>(event);
        if (Window* window = progress.Find(destroyed.window)) {
            window->destroyed = true;
        }
    } else if (type == damageNotify_) {
        const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
        Window* window = progress.Find(damage.drawable);
        // The first drawing into the mapped window: the program's own, or the server's drawing of
        // a background picture the program gave the window. Qt's windows have no background of
        // their own, so nothing is drawn into them before the program draws.
        if (window && window->mapped && !window->painted) {
            window->painted = true;
            const double elapsed = static_cast<std::int32_t>(damage.timestamp - progress.start);
            if (elapsed >= progress.run.milliseconds) {
                progress.run.milliseconds = elapsed;
                progress.run.residentBytes = ResidentBytes(progress.pid);
            }
            progress.lastChange = Clock::now();
        }
    }
}

void FirstFrameWatch::WaitUntilDestroyed(Progress& progress) {
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
    const auto destroyed = [](const Window& window) { return window.destroyed; };
    while (!std::all_of(progress.windows.begin(), progress.windows.end(), destroyed) &&
           Clock::now() < deadline) {
        if (const Event event = NextEvent(connection_, milliseconds(100))) {
            Handle(*event, progress);
        }
    }
}
