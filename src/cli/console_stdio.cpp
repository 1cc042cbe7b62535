#include "cli/console.h"

#include <cstdio>

namespace mensurix {

// Terminals and pipes here take the bytes as they are; the arguments already are UTF-8 in a
// UTF-8 locale, and bytes in any other one, passed on unchanged.
std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void WriteToConsole(ConsoleStream stream, std::string_view text) {
    std::FILE* file = stream == ConsoleStream::Output ? stdout : stderr;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
}

} // namespace mensurix
