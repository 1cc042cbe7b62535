#pragma once

#include <string>
#include <variant>
#include <vector>

namespace mensurix {

enum class CliCommand { Convert, ListCategories, ListUnits, Search, Help, Version };

// What the command line asks for.
struct CliOptions {
    CliCommand Command = CliCommand::Convert;
    std::string Value;
    std::string From;
    std::string To;       // empty: the whole category
    std::string Category; // of ListUnits
    std::string SearchText;
    int Digits = 8;
    bool Separators = false;
    bool Exact = false;
    bool DecimalComma = false; // "," before a fraction, as many languages write it
    std::string CataloguePath; // empty: the catalogue the program finds
    std::string Language;      // of the unit names; empty: the locale's (LC_ALL, LC_MESSAGES, LANG)
};

// A command line that does not say what to do; the message names what is wrong.
struct UsageError {
    std::string Message;
};

// Reads the arguments after the program name. Options may stand anywhere, "--" ends them, and
// an argument that starts with "-" and a digit, "." or "(" is a (negative) value, not an option.
std::variant<CliOptions, UsageError> ParseCliOptions(const std::vector<std::string>& arguments);

// The text of --help.
std::string CliUsageText();

} // namespace mensurix
