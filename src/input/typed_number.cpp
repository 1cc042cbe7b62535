#include "input/typed_number.h"

#include "input/number_literal.h"
#include "input/typed_characters.h"
#include "text/utf8_text.h"

#include <utility>

namespace mensurix {
namespace {

using typed::SpanRefusal;

// Stops the first refusal on its way out of every level of the reading.
struct Refused {
    SpanRefusal Refusal;
};

ExactFraction Negated(const ExactFraction& value) {
    return Minus(FractionOf("0"), value);
}

// Recursive descent over the bytes, one level per rule:
//   sum     = product { ("+" | "-") product }
//   product = signed { ("*" | "/") signed }   (a mixed number only where no "*" or "/" precedes)
//   signed  = ("+" | "-") signed | primary
//   primary = "(" sum ")" | number [ blank integer "/" integer ]
class ExpressionReader {
public:
    ExpressionReader(std::string_view text, const NumberConventions& conventions)
        : text_(text), conventions_(conventions) {}

    ExactFraction Read() {
        std::size_t begin = 0;
        while (const std::size_t blank = typed::BlankAt(text_, begin)) {
            begin += blank;
        }
        text_ = text_.substr(0, typed::EndWithoutBlanks(text_, begin, text_.size()));
        position_ = begin;
        if (position_ == text_.size()) {
            throw Refused{{RefusalKind::Empty, 0, 0, {}}};
        }
        ExactFraction value = Sum();
        if (position_ < text_.size()) {
            throw Refused{Unexpected(position_)};
        }
        return value;
    }

private:
    void SkipBlanks() {
        while (const std::size_t blank = typed::BlankAt(text_, position_)) {
            position_ += blank;
        }
    }

    SpanRefusal Unexpected(std::size_t at) const {
        return {RefusalKind::UnexpectedCharacter, at, typed::CharacterLengthAt(text_, at), {}};
    }

    // An operand was due: at the end of the text, the character before it is what ends it.
    SpanRefusal MissingOperand() const {
        if (position_ < text_.size()) {
            return Unexpected(position_);
        }
        std::size_t last = text_.size();
        while (last > 0) {
            --last;
            if (!typed::ContinuesCharacter(text_[last]) && typed::BlankAt(text_, last) == 0) {
                break;
            }
        }
        return {RefusalKind::NothingAfter, last, typed::CharacterLengthAt(text_, last), {}};
    }

    void CheckSize(const ExactFraction& value, std::size_t at) const {
        if (value.Numerator.size() > MaxValueDigits || value.Denominator.size() > MaxValueDigits) {
            throw Refused{{RefusalKind::TooLarge, at, typed::CharacterLengthAt(text_, at), {}}};
        }
    }

    void CheckOperands(const ExactFraction& left, const ExactFraction& right,
                       std::size_t at) const {
        if (text_.size() > MaxExpressionBytes) {
            throw Refused{
                {RefusalKind::LongArithmetic, at, typed::CharacterLengthAt(text_, at), {}}};
        }
        for (const ExactFraction* value : {&left, &right}) {
            if (value->Numerator.size() > MaxOperandDigits ||
                value->Denominator.size() > MaxOperandDigits) {
                throw Refused{{RefusalKind::TooLarge, at, typed::CharacterLengthAt(text_, at), {}}};
            }
        }
    }

    void Deeper() {
        if (++depth_ > MaxTypedNesting) {
            throw Refused{{RefusalKind::TooDeep, position_, 1, {}}};
        }
    }

    ExactFraction Sum() {
        ExactFraction value = Product();
        for (;;) {
            SkipBlanks();
            const std::size_t at = position_;
            bool negative = false;
            const std::size_t sign = typed::SignAt(text_, at, negative);
            if (sign == 0) {
                return value;
            }
            position_ += sign;
            const ExactFraction right = Product();
            CheckOperands(value, right, at);
            value = negative ? Minus(value, right) : Plus(value, right);
            CheckSize(value, at);
        }
    }

    // "*" or "×" (multiply), "/" or "÷" (divide), by their byte lengths.
    std::size_t OperatorAt(std::size_t at, bool& divide) const {
        divide = true;
        if (const std::size_t length =
                typed::MarkAt(text_, at, "/") + typed::MarkAt(text_, at, "\xC3\xB7")) {
            return length;
        }
        divide = false;
        return typed::MarkAt(text_, at, "*") + typed::MarkAt(text_, at, "\xC3\x97");
    }

    ExactFraction Product() {
        ExactFraction value = Signed(true);
        for (;;) {
            SkipBlanks();
            const std::size_t at = position_;
            bool divide = false;
            const std::size_t length = OperatorAt(at, divide);
            if (length == 0) {
                return value;
            }
            position_ += length;
            const ExactFraction right = Signed(false);
            if (divide && IsZero(right)) {
                throw Refused{{RefusalKind::DivisionByZero, at, length, {}}};
            }
            CheckOperands(value, right, at);
            value = Times(value, divide ? Reciprocal(right) : right);
            CheckSize(value, at);
        }
    }

    ExactFraction Signed(bool mixedAllowed) {
        SkipBlanks();
        bool negative = false;
        const std::size_t sign = typed::SignAt(text_, position_, negative);
        if (sign == 0) {
            return Primary(mixedAllowed);
        }
        Deeper();
        position_ += sign;
        ExactFraction value = Signed(mixedAllowed);
        --depth_;
        return negative ? Negated(value) : value;
    }

    ExactFraction Primary(bool mixedAllowed) {
        if (text_.substr(position_).starts_with('(')) {
            const std::size_t open = position_;
            Deeper();
            ++position_;
            ExactFraction value = Sum();
            --depth_;
            SkipBlanks();
            if (position_ == text_.size()) {
                throw Refused{{RefusalKind::UnclosedParenthesis, open, 1, {}}};
            }
            if (text_[position_] != ')') {
                throw Refused{Unexpected(position_)};
            }
            ++position_;
            return value;
        }
        const std::size_t start = position_;
        typed::NumberLiteral literal = Literal();
        if (mixedAllowed && literal.PlainInteger) {
            if (auto mixed = MixedNumber(literal.Value)) {
                return std::move(*mixed);
            }
        }
        if (mixedAllowed && literal.BlankGroupWhole) {
            return GroupedOrMixed(literal, start);
        }
        return std::move(literal.Value);
    }

    typed::NumberLiteral Literal() {
        typed::NumberLiteral literal = typed::ReadNumberLiteral(text_, position_, conventions_);
        if (literal.Refusal) {
            throw Refused{std::move(*literal.Refusal)};
        }
        if (literal.End == position_) {
            throw Refused{MissingOperand()};
        }
        position_ = literal.End;
        return literal;
    }

    // The denominator of a "/" that follows at once (after blanks), or none with the position
    // kept: then the slash is the division's.
    std::optional<ExactFraction> SlashInteger(std::size_t& slash) {
        const std::size_t kept = position_;
        SkipBlanks();
        slash = position_;
        if (text_.substr(position_).starts_with('/')) {
            ++position_;
            SkipBlanks();
            const auto literal = typed::ReadNumberLiteral(text_, position_, conventions_);
            if (!literal.Refusal && literal.PlainInteger) {
                position_ = literal.End;
                return literal.Value;
            }
        }
        position_ = kept;
        return std::nullopt;
    }

    // "2 3/4": a whole number, blanks, and a fraction of integers.
    std::optional<ExactFraction> MixedNumber(const ExactFraction& whole) {
        const std::size_t kept = position_;
        if (typed::BlankAt(text_, position_) != 0) {
            SkipBlanks();
            const auto top = typed::ReadNumberLiteral(text_, position_, conventions_);
            if (!top.Refusal && top.PlainInteger) {
                position_ = top.End;
                std::size_t slash = 0;
                if (const auto bottom = SlashInteger(slash)) {
                    if (IsZero(*bottom)) {
                        throw Refused{{RefusalKind::DivisionByZero, slash, 1, {}}};
                    }
                    return Plus(whole, Times(top.Value, Reciprocal(*bottom)));
                }
            }
        }
        position_ = kept;
        return std::nullopt;
    }

    // "2 345/1000" is 2345/1000 or 2 + 345/1000; only where both agree is it a number.
    ExactFraction GroupedOrMixed(const typed::NumberLiteral& literal, std::size_t start) {
        std::size_t slash = 0;
        const auto bottom = SlashInteger(slash);
        if (!bottom) {
            return literal.Value;
        }
        if (IsZero(*bottom)) {
            throw Refused{{RefusalKind::DivisionByZero, slash, 1, {}}};
        }
        const ExactFraction grouped = Times(literal.Value, Reciprocal(*bottom));
        const ExactFraction mixed =
            Plus(*literal.BlankGroupWhole, Times(*literal.BlankGroupPart, Reciprocal(*bottom)));
        if (!(grouped == mixed)) {
            throw Refused{{RefusalKind::TwoReadings, start, position_ - start, {grouped, mixed}}};
        }
        return grouped;
    }

    std::string_view text_;
    const NumberConventions& conventions_;
    std::size_t position_ = 0;
    std::size_t depth_ = 0;
};

} // namespace

NumberReading ReadTypedNumber(std::string_view text, const NumberConventions& conventions) {
    if (text.size() > MaxTypedBytes) {
        return {{}, InputRefusal{RefusalKind::TooLong, {}, 1, {}}};
    }
    try {
        return {ExpressionReader(text, conventions).Read(), std::nullopt};
    } catch (const Refused& refused) {
        const SpanRefusal& span = refused.Refusal;
        InputRefusal refusal{span.Kind, std::string(text.substr(span.At, span.Length)),
                             Utf8Length(text.substr(0, span.At)) + 1, span.Readings};
        return {{}, std::move(refusal)};
    }
}

} // namespace mensurix
