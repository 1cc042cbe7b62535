#pragma once

#include "locations/path_style.h"

#include <string>

namespace mensurix {

// The folder that holds Units.dat and Languages/, ending in a separator. A Units.dat beside the
// executable wins (the portable layout); otherwise share/mensurix/ beside the executable's parent
// folder, when it holds one (the installed layout: bin/ and share/ under one prefix, wherever that
// prefix is). Without either, the program's own folder, so that the missing file is reported
// where a portable copy has it.
std::string FindDataDirectory(const std::string& programDir, PathStyle style = HostPathStyle);

} // namespace mensurix
