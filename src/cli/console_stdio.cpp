#include "cli/console.h"

#include <cstdio>

namespace mensurix {

// Terminals and pipes here take the bytes as they are; the arguments already are UTF-8 in a
// UTF-8 locale, and bytes in any other one, passed on unchanged.
std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

bool WriteToConsole(ConsoleStream stream, std::string_view text) {
    std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    // The buffered bytes meet a full disk or a closed descriptor only here.
    return std::fflush(file) == 0 && written;
}

} // namespace mensurix
