#include "input/typed_quantity.h"

#include "catalogue/unit_lookup.h"
#include "input/typed_characters.h"
#include "text/utf8_text.h"

#include <vector>

namespace mensurix {
namespace {

using typed::IsDigitAt;

// Byte spans of one "number unit" term of a sum.
struct Term {
    std::size_t NumberAt = 0;
    std::size_t UnitAt = 0;
    std::size_t UnitEnd = 0;
};

bool ExponentAt(std::string_view text, std::size_t at) {
    if ((text[at] != 'e' && text[at] != 'E') || at == 0 ||
        !(IsDigitAt(text, at - 1) || text[at - 1] == '.')) {
        return false;
    }
    bool negative = false;
    return IsDigitAt(text, at + 1 + typed::SignAt(text, at + 1, negative));
}

// "'" between a digit and exactly three digits groups them ("1'000"); elsewhere it is the foot
// or arcminute mark.
bool GroupApostropheAt(std::string_view text, std::size_t at) {
    return text[at] == '\'' && at > 0 && IsDigitAt(text, at - 1) && IsDigitAt(text, at + 1) &&
           IsDigitAt(text, at + 2) && IsDigitAt(text, at + 3) && !IsDigitAt(text, at + 4);
}

// The bytes of a character that belongs to a number or its arithmetic at `at`, else 0.
std::size_t NumberCharacterAt(std::string_view text, std::size_t at) {
    if (std::string_view("0123456789.,*/()_").find(text[at]) != std::string_view::npos ||
        ExponentAt(text, at) || GroupApostropheAt(text, at)) {
        return 1;
    }
    bool negative = false;
    return typed::BlankAt(text, at) + typed::SignAt(text, at, negative) +
           typed::MarkAt(text, at, "\xC3\x97") + typed::MarkAt(text, at, "\xC3\xB7");
}

// A unit runs up to the next number: a digit, a "+" or a "." before a digit.
std::size_t UnitEnd(std::string_view text, std::size_t at) {
    while (at < text.size() && !IsDigitAt(text, at) && text[at] != '+' &&
           !(text[at] == '.' && IsDigitAt(text, at + 1))) {
        at += typed::CharacterLengthAt(text, at);
    }
    return at;
}

std::vector<Term> TermsOf(std::string_view text) {
    std::vector<Term> terms;
    std::size_t at = 0;
    while (at < text.size()) {
        Term term;
        term.NumberAt = at;
        while (at < text.size()) {
            const std::size_t length = NumberCharacterAt(text, at);
            if (length == 0) {
                break;
            }
            at += length;
        }
        term.UnitAt = at;
        at = UnitEnd(text, at);
        term.UnitEnd = typed::EndWithoutBlanks(text, term.UnitAt, at);
        terms.push_back(term);
    }
    return terms;
}

bool HasSymbol(const UnitCategory& category, std::string_view symbol) {
    for (const auto& unit : category.Units) {
        if (UnitSymbol(unit.Name) == symbol) {
            return true;
        }
    }
    return false;
}

// Primes, and the typewriter marks for them, are arc minutes and seconds where the category
// has them, else feet and inches.
std::string_view UnitText(const UnitCategory& category, std::string_view written) {
    constexpr std::string_view Prime = "\xE2\x80\xB2";
    constexpr std::string_view DoublePrime = "\xE2\x80\xB3";
    if (written == "'" || written == Prime) {
        return HasSymbol(category, Prime) ? Prime : "ft";
    }
    if (written == "\"" || written == DoublePrime) {
        return HasSymbol(category, DoublePrime) ? DoublePrime : "in";
    }
    return written;
}

bool Summable(const UnitEntry& unit) {
    return unit.Offset.empty() && !unit.Scale.Reciprocal;
}

class QuantitySum {
public:
    QuantitySum(const UnitCategory& category, std::string_view text,
                const NumberConventions& conventions)
        : category_(category), alone_{category}, text_(text), conventions_(conventions) {}

    NumberReading Read(std::size_t sourceIndex, const std::vector<Term>& terms) const {
        const UnitEntry& source = category_.Units.at(sourceIndex);
        ExactFraction base = FractionOf("0");
        for (const Term& term : terms) {
            if (term.UnitAt == term.UnitEnd) {
                return Refused(RefusalKind::MissingUnit, term.NumberAt, term.UnitAt);
            }
            const std::string_view written = Span(term.NumberAt, term.UnitAt);
            if (written.find_first_not_of(" \t") == std::string_view::npos) {
                return Refused(RefusalKind::UnexpectedCharacter, term.UnitAt,
                               term.UnitAt + typed::CharacterLengthAt(text_, term.UnitAt));
            }
            NumberReading number = ReadTypedNumber(written, conventions_);
            if (number.Refusal) {
                number.Refusal->Position += Utf8Length(text_.substr(0, term.NumberAt));
                return number;
            }
            const UnitMatch match =
                FindUnit(alone_, UnitText(category_, Span(term.UnitAt, term.UnitEnd)));
            if (match.Outcome != MatchOutcome::Found) {
                return Refused(match.Outcome == MatchOutcome::Ambiguous ? RefusalKind::AmbiguousUnit
                                                                        : RefusalKind::UnknownUnit,
                               term.UnitAt, term.UnitEnd);
            }
            const std::size_t unit = match.Units.front().Unit;
            if (terms.size() == 1 && unit == sourceIndex) {
                return number;
            }
            if (!Summable(category_.Units[unit]) || !Summable(source)) {
                return Refused(RefusalKind::UnitNotSummable, term.UnitAt, term.UnitEnd);
            }
            base = Plus(base, Times(number.Value, category_.Units[unit].Scale.ToBase));
        }
        return {Times(base, Reciprocal(source.Scale.ToBase)), std::nullopt};
    }

private:
    std::string_view Span(std::size_t begin, std::size_t end) const {
        return text_.substr(begin, end - begin);
    }

    NumberReading Refused(RefusalKind kind, std::size_t begin, std::size_t end) const {
        while (const std::size_t blank = typed::BlankAt(text_, begin)) {
            begin += blank;
        }
        end = typed::EndWithoutBlanks(text_, begin, end);
        return {
            {},
            InputRefusal{
                kind, std::string(Span(begin, end)), Utf8Length(text_.substr(0, begin)) + 1, {}}};
    }

    const UnitCategory& category_;
    const UnitCatalogue alone_; // the lookup's catalogue: this category only
    std::string_view text_;
    const NumberConventions& conventions_;
};

} // namespace

NumberReading ReadTypedQuantity(const UnitCategory& category, std::size_t sourceIndex,
                                std::string_view text, const NumberConventions& conventions) {
    NumberReading number = ReadTypedNumber(text, conventions);
    if (!number.Refusal || number.Refusal->Kind == RefusalKind::TooLong ||
        text.size() > MaxExpressionBytes) {
        return number;
    }
    const std::vector<Term> terms = TermsOf(text);
    const bool anyUnit = !terms.empty() && terms.front().UnitAt != terms.front().UnitEnd;
    if (!anyUnit) {
        return number;
    }
    NumberReading sum = QuantitySum(category, text, conventions).Read(sourceIndex, terms);
    sum.NamesUnits = true;
    return sum;
}

} // namespace mensurix
