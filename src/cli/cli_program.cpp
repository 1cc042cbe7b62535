#include "cli/cli_program.h"

#include "catalogue/catalogue_reader.h"
#include "catalogue/category_conversion.h"
#include "catalogue/unit_lookup.h"
#include "cli/cli_options.h"
#include "cli/number_complaint.h"
#include "cli/text_columns.h"
#include "decimal/decimal_round.h"
#include "files/read_file_bytes.h"
#include "text/utf8_text.h"

#include <exception>

namespace mensurix {
namespace {

constexpr int ConversionFailed = 1;
constexpr int UsageFailed = 2;
constexpr const char* ProgramName = "mensurix-cli";

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

class CliRun {
public:
    CliRun(const CliOptions& options, UnitCatalogue catalogue)
        : options_(options), catalogue_(std::move(catalogue)) {}

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
        const UnitMatch match = FindUnit(catalogue_, text);
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

    std::string Shown(const DecimalText& value) const {
        return options_.Exact ? DecimalExact(value, options_.Separators)
                              : DecimalRound(value, options_.Digits, options_.Separators);
    }

    std::string Conversion() const {
        if (!IsDecimalNumber(options_.Value)) {
            throw Failure{ExplainNotANumber(options_.Value)};
        }
        const UnitPosition from = Resolve(options_.From);
        const UnitCategory& category = catalogue_[from.Category];
        if (options_.To.empty()) {
            const auto values = ConvertAcrossCategory(category, from.Unit, options_.Value);
            std::vector<std::vector<std::string>> rows;
            for (std::size_t row = 0; row < values.size(); ++row) {
                rows.push_back({category.Units[row].Name, Shown(values[row])});
            }
            return TextColumns(rows);
        }
        const UnitPosition to = Resolve(options_.To);
        if (to.Category != from.Category) {
            throw Failure{Quoted(options_.From) + " is a unit of " + category.Name + " and " +
                          Quoted(options_.To) + " one of " + catalogue_[to.Category].Name +
                          "; both units must be of one category"};
        }
        const DecimalText value = ValueInUnit(Unit(to), BaseValue(Unit(from), options_.Value));
        if (value.empty()) {
            throw Failure{"the catalogue gives " + Quoted(Unit(to).Name) +
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
        const auto units = SearchUnits(catalogue_, text);
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
        return {0, CliRun(options, LoadCatalogue(path)).Output(), {}};
    } catch (const Failure& failure) {
        return Failed(ConversionFailed, failure.Message);
    } catch (const std::exception& error) {
        return Failed(ConversionFailed, error.what());
    }
}

} // namespace mensurix
