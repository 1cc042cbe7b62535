#pragma once

#include <stdexcept>

namespace mensurix {

// A file that cannot be opened, read or written; the message is meant for the user.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace mensurix
