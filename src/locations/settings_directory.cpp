#include "locations/settings_directory.h"

#include "files/file_status.h"
#include "locations/writable_directory.h"

namespace mensurix {

std::string FindSettingsDirectory(const std::string& programDir, const std::string& userDir) {
    if (IsRegularFile(programDir + "options.ini")) {
        return programDir;
    }
    // Without the catalogue beside it the folder is no portable copy: a writable bin/ of a
    // prefix (root's view of /usr/bin) must not collect a settings file that every user would
    // then find and could not write.
    if (IsRegularFile(programDir + "Units.dat") && IsWritableDirectory(programDir)) {
        return programDir;
    }
    return userDir.empty() ? programDir : userDir;
}

} // namespace mensurix
