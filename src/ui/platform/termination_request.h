#pragma once

namespace mensurix {

// Makes a request from outside to end the program (on Unix SIGTERM, SIGHUP or SIGINT, as sent
// at logout, at shutdown or by a terminal) close every window, so that the program ends as
// after the user's own close and saves what a close saves. Call once, after the application
// object exists.
void CloseWindowsOnTerminationRequest();

} // namespace mensurix
