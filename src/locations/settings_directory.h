#pragma once

#include <string>

namespace mensurix {

// The folder of options.ini, ending in a separator. A portable copy keeps its settings beside the
// executable: when options.ini is there already, or when Units.dat is there and the folder is
// writable. Any other copy (an install under /usr or Program Files, or a bin/ folder that other
// programs share) keeps them in `userDir`, the user's own folder; when the system names none
// (empty), the program's folder, so that a failing write is reported as in a portable copy.
std::string FindSettingsDirectory(const std::string& programDir, const std::string& userDir);

} // namespace mensurix
