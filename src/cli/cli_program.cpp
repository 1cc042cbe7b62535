#include "cli/cli_program.h"

#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"
#include "catalogue/unit_lookup.h"
#include "cli/cli_options.h"
#include "cli/text_columns.h"
#include "files/read_file_bytes.h"
#include "input/refusal_wording.h"
#include "input/typed_quantity.h"
#include "localisation/language_choice.h"
#include "localisation/unit_names.h"
#include "release/program_release.h"
#include "text/utf8_text.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <optional>

namespace mensurix {
namespace {

constexpr int ConversionFailed = 1;
constexpr int UsageFailed = 2;
constexpr const char* ProgramName = "mensurix-cli";
constexpr const char* ApproximateMark = "\xE2\x89\x88 "; // "≈ "

// A conversion or look-up that cannot be done; the message is for the user.
struct Failure {
    std::string Message;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Units.dat may still be a Windows-1252 file; everything the program prints is UTF-8.
UnitCatalogue LoadCatalogue(const std::string& path) {
    return ParseCatalogue(Utf8FromFileText(ReadFileBytes(path)));
}

// The catalogue with its units named in a language; its categories and units stand where the
// English catalogue has them.
UnitCatalogue Translated(UnitCatalogue catalogue, const UnitNames& names) {
    for (auto& category : catalogue) {
        for (auto& unit : category.Units) {
            unit.Name = std::string(names.NameOf(category.Name, unit.Name));
        }
    }
    return catalogue;
}

// The interface language the command line names, or its locale's.
std::uint8_t LanguageOf(const CliOptions& options) {
    if (!options.Language.empty()) {
        return LanguageFromName(options.Language).value_or(LanguageEnglish);
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return LanguageFromLocaleValue(value);
        }
    }
    return LanguageEnglish;
}

// The unit names of the language, from the Languages folder beside the catalogue.
UnitNames UnitNamesBeside(const std::string& cataloguePath, std::uint8_t language) {
    if (language == LanguageEnglish) {
        return {};
    }
    const std::size_t slash = cataloguePath.find_last_of("/\\");
    const std::string folder =
        slash == std::string::npos ? std::string() : cataloguePath.substr(0, slash + 1);
    return ReadUnitNames(
        UnitNamesPathFor(folder + std::string(LanguageFileFor(language).RelativePath)));
}

class CliRun {
public:
    // Units are shown by their names in `catalogue`, and found by those or by the English ones.
    CliRun(const CliOptions& options, UnitCatalogue catalogue, UnitCatalogue english)
        : options_(options), catalogue_(std::move(catalogue)), english_(std::move(english)) {}

    std::string Output() const {
        switch (options_.Command) {
        case CliCommand::ListCategories:
            return Categories();
        case CliCommand::ListUnits:
            return UnitsOf(options_.Category);
        case CliCommand::Search:
            return Search(options_.SearchText);
        default:
            return Conversion();
        }
    }

private:
    const UnitEntry& Unit(const UnitPosition& position) const {
        return catalogue_[position.Category].Units[position.Unit];
    }

    // Symbol, name and category: how every list of units reads.
    std::vector<std::string> Described(const UnitPosition& position) const {
        const std::string_view name = Unit(position).Name;
        return {std::string(UnitSymbol(name)), std::string(UnitBareName(name)),
                catalogue_[position.Category].Name};
    }

    std::string Listed(const std::vector<UnitPosition>& units) const {
        std::vector<std::vector<std::string>> rows;
        for (const auto& position : units) {
            rows.push_back(Described(position));
            rows.back().insert(rows.back().begin(), std::string());
        }
        return TextColumns(rows);
    }

    UnitPosition Resolve(const std::string& text) const {
        UnitMatch match = FindUnit(catalogue_, text);
        if (match.Outcome != MatchOutcome::Found && match.Outcome != MatchOutcome::Ambiguous) {
            if (UnitMatch english = FindUnit(english_, text);
                english.Outcome == MatchOutcome::Found ||
                english.Outcome == MatchOutcome::Ambiguous) {
                match = std::move(english);
            }
        }
        switch (match.Outcome) {
        case MatchOutcome::Found:
            return match.Units.front();
        case MatchOutcome::Ambiguous:
            throw Failure{Quoted(text) + " names more than one unit; use one of these:\n" +
                          Listed(match.Units)};
        default:
            throw Failure{
                "unknown unit " + Quoted(text) +
                (match.Units.empty() ? "" : "; the closest are:\n" + Listed(match.Units))};
        }
    }

    std::string Shown(const ConvertedValue& value) const {
        const std::string text = options_.Exact
                                     ? WholeValue(value, options_.Separators)
                                     : ShownValue(value, options_.Digits, options_.Separators);
        // A value built on a size known only to some digits says so.
        return IsApproximate(value) ? ApproximateMark + text : text;
    }

    // The target as a unit of the source's category: a unit of another category may be there
    // too, in its reciprocal view (fuel economy in the consumption table).
    std::optional<std::size_t> InSourceCategory(const UnitPosition& from,
                                                const UnitPosition& to) const {
        if (to.Category == from.Category) {
            return to.Unit;
        }
        const auto& units = catalogue_[from.Category].Units;
        for (std::size_t i = 0; i < units.size(); ++i) {
            if (units[i].Name == Unit(to).Name) {
                return i;
            }
        }
        return std::nullopt;
    }

    // The value as a quantity of the source unit; a sum may name other units of its category.
    NumberReading TypedValue(const UnitPosition& from) const {
        NumberReading reading =
            ReadTypedQuantity(catalogue_[from.Category], from.Unit, options_.Value,
                              NumberConventions{options_.DecimalComma});
        if (!reading.Refusal) {
            return reading;
        }
        std::string message = EnglishRefusal(options_.Value, *reading.Refusal);
        if (reading.Refusal->Kind == RefusalKind::DecimalComma) {
            message += "; --decimal-comma reads \",\" as the decimal separator";
        }
        throw Failure{message};
    }

    CategoryResults Converted(const UnitPosition& from, const ExactFraction& value) const {
        const UnitCategory& category = catalogue_[from.Category];
        CategoryResults results = ConvertAcrossCategory(category, from.Unit, value);
        if (results.Refusal == ConversionRefusal::BelowAbsoluteZero) {
            const auto absolute = std::find_if(category.Units.begin(), category.Units.end(),
                                               [](const UnitEntry& u) { return u.Scale.Absolute; });
            throw Failure{Quoted(options_.Value) + " " + Unit(from).Name +
                          " lies below absolute zero (0 in " + absolute->Name +
                          "); no temperature is lower"};
        }
        return results;
    }

    std::string Conversion() const {
        const UnitPosition from = Resolve(options_.From);
        const UnitCategory& category = catalogue_[from.Category];
        if (options_.To.empty()) {
            const NumberReading typed = TypedValue(from);
            const CategoryResults results = Converted(from, typed.Value);
            // A value that names its own units ("5 ft 3 in") asks for one unit: the one after it.
            if (typed.NamesUnits) {
                return SingleValue(from, results, from.Unit);
            }
            const auto& values = results.Values;
            std::vector<std::vector<std::string>> rows;
            for (std::size_t row = 0; row < values.size(); ++row) {
                rows.push_back({category.Units[row].Name, Shown(values[row])});
            }
            return TextColumns(rows);
        }
        const UnitPosition to = Resolve(options_.To);
        const auto target = InSourceCategory(from, to);
        if (!target) {
            throw Failure{Quoted(options_.From) + " is a unit of " + category.Name + " and " +
                          Quoted(options_.To) + " one of " + catalogue_[to.Category].Name +
                          "; both units must be of one category"};
        }
        return SingleValue(from, Converted(from, TypedValue(from).Value), *target);
    }

    // The value in one unit (row) of the source's category.
    std::string SingleValue(const UnitPosition& from, const CategoryResults& results,
                            std::size_t row) const {
        const ConvertedValue& value = results.Values.at(row);
        const std::string& name = catalogue_[from.Category].Units[row].Name;
        if (value.Missing == MissingValue::ReciprocalOfZero) {
            throw Failure{"zero has no value in " + Quoted(name) + " (reciprocal units)"};
        }
        if (value.Missing != MissingValue::None) {
            throw Failure{"the catalogue gives " + Quoted(name) +
                          " no factor, so no value can be given in it"};
        }
        return Shown(value) + "\n";
    }

    std::string Categories() const {
        std::string text;
        for (const auto& category : catalogue_) {
            text += category.Name + "\n";
        }
        return text;
    }

    std::string UnitsOf(const std::string& name) const {
        const CategoryMatch match = FindCategory(catalogue_, name);
        std::string names;
        for (const std::size_t c : match.Categories) {
            names += "\n  " + catalogue_[c].Name;
        }
        if (match.Outcome == MatchOutcome::Ambiguous) {
            throw Failure{"more than one category is named " + Quoted(name) + ":" + names};
        }
        if (match.Outcome == MatchOutcome::Unknown) {
            throw Failure{"unknown category " + Quoted(name) +
                          (names.empty() ? "" : "; the closest are:" + names)};
        }
        const UnitCategory& category = catalogue_[match.Categories.front()];
        std::vector<std::vector<std::string>> rows;
        for (const auto& unit : category.Units) {
            rows.push_back(
                {std::string(UnitSymbol(unit.Name)), std::string(UnitBareName(unit.Name))});
        }
        return TextColumns(rows);
    }

    std::string Search(const std::string& text) const {
        auto units = SearchUnits(catalogue_, text);
        for (const auto& position : SearchUnits(english_, text)) {
            if (std::find(units.begin(), units.end(), position) == units.end()) {
                units.push_back(position);
            }
        }
        if (units.empty()) {
            throw Failure{"no unit's name or symbol contains " + Quoted(text)};
        }
        std::vector<std::vector<std::string>> rows;
        for (const auto& position : units) {
            rows.push_back(Described(position));
        }
        return TextColumns(rows);
    }

    const CliOptions& options_;
    UnitCatalogue catalogue_;
    UnitCatalogue english_;
};

CliResult Failed(int status, const std::string& message) {
    std::string errors = std::string(ProgramName) + ": " + message;
    if (errors.back() != '\n') {
        errors += '\n';
    }
    if (status == UsageFailed) {
        errors += "Try \"" + std::string(ProgramName) + " --help\".\n";
    }
    return {status, {}, errors};
}

} // namespace

CliResult RunCli(const std::vector<std::string>& arguments,
                 const std::function<std::string()>& installedCataloguePath) {
    const auto parsed = ParseCliOptions(arguments);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        return Failed(UsageFailed, usage->Message);
    }
    const CliOptions& options = std::get<CliOptions>(parsed);
    if (options.Command == CliCommand::Help) {
        return {0, CliUsageText(), {}};
    }
    if (options.Command == CliCommand::Version) {
        return {0, std::string(ProgramName) + " " + MENSURIX_VERSION + "\n", {}};
    }
    try {
        const std::string path =
            options.CataloguePath.empty() ? installedCataloguePath() : options.CataloguePath;
        UnitCatalogue english = LoadCatalogue(path);
        UnitCatalogue shown = Translated(english, UnitNamesBeside(path, LanguageOf(options)));
        return {0, CliRun(options, std::move(shown), std::move(english)).Output(), {}};
    } catch (const Failure& failure) {
        return Failed(ConversionFailed, failure.Message);
    } catch (const std::exception& error) {
        return Failed(ConversionFailed, error.what());
    }
}

} // namespace mensurix
