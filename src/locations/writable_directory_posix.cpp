#include "locations/writable_directory.h"

#include <unistd.h>

namespace mensurix {

bool IsWritableDirectory(const std::string& dir) {
    // Creating a name needs write and search permission on the folder; access() also answers
    // for access lists and read-only mounts.
    return access(dir.c_str(), W_OK | X_OK) == 0;
}

} // namespace mensurix
