#include "ui/platform/termination_request.h"

namespace mensurix {

// A Windows program with a window is asked to end only through the session's end messages,
// which Qt turns into its commit-data request; the window saves on that request itself.
void CloseWindowsOnTerminationRequest() {}

} // namespace mensurix
