#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// One start-up of a program, watched from outside on the X display.
struct StartupRun {
    // From the exec to the first drawing into the last window that the program mapped during
    // its start-up, in X server milliseconds.
    double milliseconds = 0;
    // The program's resident memory when that drawing arrived.
    std::uint64_t residentBytes = 0;
};

// Starts programs on the X display named by DISPLAY and times each from its exec to its first
// complete picture: every top-level window it mapped has received its first drawing, and no
// further window maps within the settle time. Watching from outside, through the DAMAGE
// extension, times any program the same way without changing it. Both ends of the interval are
// X server timestamps, so a late wake-up of this process does not lengthen a run. The display
// must be the benchmark's own: every window created on it while a program runs counts as that
// program's.
class FirstFrameWatch {
public:
    FirstFrameWatch();
    ~FirstFrameWatch();
    FirstFrameWatch(const FirstFrameWatch&) = delete;
    FirstFrameWatch& operator=(const FirstFrameWatch&) = delete;

    // Runs command (program path first) until its first complete picture, then ends it with
    // SIGTERM and waits until its windows are gone. Throws std::runtime_error when the program
    // does not start or shows no complete picture within limit.
    StartupRun Run(const std::vector<std::string>& command, std::chrono::milliseconds settle,
                   std::chrono::milliseconds limit);

private:
    struct Window {
        xcb_window_t id = XCB_WINDOW_NONE;
        bool mapped = false;
        bool painted = false;
        bool destroyed = false;
    };
    struct Progress;

    std::uint32_t ServerTime();
    void Handle(const xcb_generic_event_t& event, Progress& progress);
    void WaitUntilDestroyed(Progress& progress);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_WINDOW_NONE;
    xcb_window_t clock_ = XCB_WINDOW_NONE;
    std::uint8_t damageNotify_ = 0;
};
