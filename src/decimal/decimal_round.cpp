#include "decimal/decimal_round.h"

#include "decimal/decimal_add.h"
#include "decimal/magnitude_steps.h"

#include <algorithm>
#include <limits>

namespace mensurix {
namespace {

// The integer part grouped by "," in threes from the decimal point leftwards, never directly
// after a leading '-'.
std::string GroupThousands(const std::string& r) {
    const auto point = r.find('.');
    const auto integerLength = point == std::string::npos ? r.size() : point;
    const std::size_t sign = !r.empty() && r.front() == '-' ? 1 : 0;
    std::string grouped;
    grouped.reserve(r.size() + r.size() / 3);
    for (std::size_t i = 0; i < r.size(); ++i) {
        grouped += r[i];
        const auto written = i + 1;
        if (written > sign && written < integerLength && (integerLength - written) % 3 == 0) {
            grouped += ',';
        }
    }
    return grouped;
}

} // namespace

DecimalText RoundingUnit(int fractionDigits) {
    if (fractionDigits <= 0) {
        return "1";
    }
    std::string unit = "0.";
    unit.append(static_cast<std::size_t>(fractionDigits - 1), '0');
    unit += '1';
    return unit;
}

bool RoundingDropsDigits(std::string_view value, int fractionDigits) {
    const auto digits = static_cast<std::size_t>(std::max(fractionDigits, 0));
    const auto point = value.find('.');
    return point != std::string_view::npos && value.size() - point - 1 > digits;
}

std::string DecimalRound(std::string_view value, int fractionDigits, bool groupThousands) {
    const auto digits = static_cast<std::size_t>(std::max(fractionDigits, 0));
    const auto point = value.find('.');
    std::string r;
    if (RoundingDropsDigits(value, fractionDigits)) {
        // The '.' stays in the cut text, so with no fraction digits it ends in '.'.
        r.assign(value.substr(0, point + 1 + digits));
        if (DigitValue(value[point + 1 + digits]) >= 5) {
            std::string unit = RoundingUnit(static_cast<int>(digits));
            if (r.front() == '-') {
                unit.insert(0, 1, '-');
            }
            r = DecimalAdd(r, unit);
        }
    } else {
        r.assign(value);
    }
    if (r.find('.') != std::string::npos) {
        r.erase(r.find_last_not_of('0') + 1);
        if (r.back() == '.') {
            r.pop_back();
        }
    }
    if (r == "-0") {
        r = "0";
    }
    if (groupThousands && !r.empty()) {
        r = GroupThousands(r);
    }
    return r;
}

std::string DecimalExact(std::string_view value, bool groupThousands) {
    return DecimalRound(value, std::numeric_limits<int>::max(), groupThousands);
}

} // namespace mensurix
