#include "cli/cli_options.h"

#include "localisation/language_choice.h"

#include "decimal/display_digits.h"

#include <optional>
#include <string_view>

namespace mensurix {
namespace {

bool IsValueArgument(std::string_view argument) {
    return argument.size() >= 2 && argument[0] == '-' &&
           ((argument[1] >= '0' && argument[1] <= '9') || argument[1] == '.' || argument[1] == '(');
}

std::optional<int> ReadDigits(std::string_view text) {
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    int digits = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9') {
            return std::nullopt;
        }
        digits = digits * 10 + (ch - '0');
    }
    return digits <= MaxFractionDigits ? std::optional<int>(digits) : std::nullopt;
}

// Walks the arguments once; options that take a value read it from "--name=value" or from the
// next argument.
class OptionReader {
public:
    explicit OptionReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

    std::variant<CliOptions, UsageError> Read() {
        std::vector<std::string> positional;
        bool optionsEnded = false;
        bool digitsGiven = false;
        for (index_ = 0; index_ < arguments_.size(); ++index_) {
            const std::string& argument = arguments_[index_];
            if (optionsEnded || argument.size() < 2 || argument[0] != '-' ||
                IsValueArgument(argument)) {
                positional.push_back(argument);
                continue;
            }
            if (argument == "--") {
                optionsEnded = true;
                continue;
            }
            const auto equals = argument.find('=');
            name_ = argument.substr(0, equals);
            inlineValue_ = equals == std::string::npos
                               ? std::nullopt
                               : std::optional<std::string>(argument.substr(equals + 1));
            if (name_ == "--help" || name_ == "--version") {
                if (!NoValue()) {
                    return *error_;
                }
                if (options_.Command == CliCommand::Convert) {
                    options_.Command = name_ == "--help" ? CliCommand::Help : CliCommand::Version;
                }
            } else if (name_ == "--separators" || name_ == "--exact" ||
                       name_ == "--decimal-comma") {
                if (!NoValue()) {
                    return *error_;
                }
                (name_ == "--exact"           ? options_.Exact
                 : name_ == "--decimal-comma" ? options_.DecimalComma
                                              : options_.Separators) = true;
            } else if (name_ == "--digits") {
                const auto text = RequiredValue();
                if (!text) {
                    return *error_;
                }
                const auto digits = ReadDigits(*text);
                if (!digits) {
                    return UsageError{"--digits takes a whole number from 0 to 20, not \"" + *text +
                                      "\""};
                }
                options_.Digits = *digits;
                digitsGiven = true;
            } else if (name_ == "--catalogue") {
                const auto path = RequiredValue();
                if (!path) {
                    return *error_;
                }
                options_.CataloguePath = *path;
            } else if (name_ == "--language") {
                const auto language = RequiredValue();
                if (!language) {
                    return *error_;
                }
                if (!LanguageFromName(*language)) {
                    return UsageError{"--language takes English, German, French, Spanish or "
                                      "Italian (or en, de, fr, es, it), not \"" +
                                      *language + "\""};
                }
                options_.Language = *language;
            } else if (name_ == "--search") {
                const auto text = RequiredValue();
                if (!text || !SetCommand(CliCommand::Search)) {
                    return *error_;
                }
                options_.SearchText = *text;
            } else if (name_ == "--list") {
                const auto category = OptionalValue();
                if (!SetCommand(category ? CliCommand::ListUnits : CliCommand::ListCategories)) {
                    return *error_;
                }
                options_.Category = category.value_or("");
            } else {
                return UsageError{"unknown option \"" + argument + "\""};
            }
        }
        if (options_.Exact && digitsGiven) {
            return UsageError{"--exact and --digits exclude each other"};
        }
        return Finish(positional);
    }

private:
    bool NoValue() {
        if (inlineValue_) {
            error_ = UsageError{name_ + " takes no value"};
            return false;
        }
        return true;
    }

    std::optional<std::string> RequiredValue() {
        if (inlineValue_) {
            return inlineValue_;
        }
        if (index_ + 1 >= arguments_.size()) {
            error_ = UsageError{name_ + " needs a value"};
            return std::nullopt;
        }
        return arguments_[++index_];
    }

    // The next argument belongs to the option unless it is an option itself.
    std::optional<std::string> OptionalValue() {
        if (inlineValue_) {
            return inlineValue_;
        }
        if (index_ + 1 < arguments_.size() && arguments_[index_ + 1].rfind("--", 0) != 0) {
            return arguments_[++index_];
        }
        return std::nullopt;
    }

    bool SetCommand(CliCommand command) {
        const CliCommand now = options_.Command;
        if (now == CliCommand::ListCategories || now == CliCommand::ListUnits ||
            now == CliCommand::Search) {
            error_ = UsageError{"give only one of --list and --search"};
            return false;
        }
        if (now == CliCommand::Convert) {
            options_.Command = command;
        }
        return true;
    }

    std::variant<CliOptions, UsageError> Finish(const std::vector<std::string>& positional) {
        if (options_.Command == CliCommand::Help || options_.Command == CliCommand::Version) {
            return options_;
        }
        if (options_.Command != CliCommand::Convert) {
            if (!positional.empty()) {
                return UsageError{"unexpected argument \"" + positional.front() + "\""};
            }
            return options_;
        }
        if (positional.size() < 2) {
            return UsageError{positional.empty() ? "missing VALUE and FROM" : "missing FROM"};
        }
        if (positional.size() > 3) {
            return UsageError{"unexpected argument \"" + positional[3] + "\""};
        }
        options_.Value = positional[0];
        options_.From = positional[1];
        if (positional.size() == 3) {
            options_.To = positional[2];
        }
        return options_;
    }

    const std::vector<std::string>& arguments_;
    std::size_t index_ = 0;
    std::string name_;
    std::optional<std::string> inlineValue_;
    std::optional<UsageError> error_;
    CliOptions options_;
};

} // namespace

std::variant<CliOptions, UsageError> ParseCliOptions(const std::vector<std::string>& arguments) {
    return OptionReader(arguments).Read();
}

std::string CliUsageText() {
    return "Usage: mensurix-cli [OPTIONS] VALUE FROM [TO]\n"
           "       mensurix-cli --list [CATEGORY]\n"
           "       mensurix-cli --search TEXT\n"
           "\n"
           "Converts VALUE from unit FROM into unit TO exactly, or into every unit of FROM's\n"
           "category when TO is left out. A unit is named by its symbol (km, °F, L/100 km) or\n"
           "by its name (Kilometer); a negative VALUE is written as it is (-40). A unit of a\n"
           "reciprocal category is found too (30 mpg US L/100 km). A result built on a size\n"
           "known only approximately (on pi) begins with \"≈ \" and shows its certain digits.\n"
           "\n"
           "VALUE is read exactly: blanks around it, a leading \"+\" or \"-\" (or \"−\"), an\n"
           "exponent (2.5e-7), digits grouped in threes (1,234.5, 1 234, 1'234, 1_234),\n"
           "fractions and arithmetic (1/3, 2 3/4, 5+3/12, 12*8.5, (1+2)/3), or quantities of\n"
           "FROM's category summed (\"5 ft 3 in\", 5'10\", \"1 h 30 min\", \"12° 30′ 15″\").\n"
           "A VALUE that names its units without TO is given in FROM alone (\"5 ft 3 in\" cm).\n"
           "A \",\" is a digit group mark unless --decimal-comma is given; then \"1,5\" is 1.5\n"
           "and a value that reads two ways (1,234) is refused with both readings.\n"
           "\n"
           "Options:\n"
           "  --digits N        fraction digits shown, 0 to 20 (default 8)\n"
           "  --separators      group the integer part by thousands with \",\"\n"
           "  --decimal-comma   read \",\" before a fraction as the decimal separator\n"
           "  --exact           the whole result, nothing rounded; one that never ends is\n"
           "                    cut after 50 digits with \"…\" and given as a fraction\n"
           "  --list            the categories\n"
           "  --list CATEGORY   the units of CATEGORY with their symbols\n"
           "  --search TEXT     the units whose name or symbol contains TEXT\n"
           "  --catalogue FILE  read the units from FILE instead of the installed Units.dat\n"
           "  --language NAME   unit names in English, German, French, Spanish or Italian\n"
           "                    (or en, de, fr, es, it); without it, the language of the\n"
           "                    locale (LC_ALL, LC_MESSAGES, LANG), else English. Units are\n"
           "                    found by their names in that language and in English\n"
           "  --help            this text\n"
           "  --version         the program's version\n"
           "\n"
           "Exit status: 0 done, 1 the conversion or look-up failed or its result could not be\n"
           "written, 2 the command line is wrong.\n";
}

} // namespace mensurix
