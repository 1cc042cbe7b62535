#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mensurix {

// The command-line arguments after the program name, as UTF-8 whatever the system's code page.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

enum class ConsoleStream { Output, Error };

// Writes UTF-8 text so that it reads right where it goes: a console shows the characters, a
// pipe or a file receives the UTF-8 bytes. False when not all of it arrived (a full disk, a
// closed stream).
bool WriteToConsole(ConsoleStream stream, std::string_view text);

} // namespace mensurix
