#include "locations/executable_path.h"

#include <unistd.h>

#include <vector>

namespace mensurix {

std::string RunningExecutablePath() {
    // readlink does not say whether the name was cut, so grow the buffer until it fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return {};
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace mensurix
