#pragma once

#include "catalogue/converted_value.h"

#include <QString>

namespace mensurix {

// A result as its cell shows it: the rounded number, after "≈ " when it is approximate; a value
// that rounds to 0 but is not zero as "< 0.00000001" (or "> -0.00000001") at its digits.
QString ResultCellText(const ConvertedValue& value, int fractionDigits, bool groupThousands);

// The rounded number alone, as a copy hands it on.
QString ResultNumberText(const ConvertedValue& value, int fractionDigits, bool groupThousands);

// The whole value (UTF-8 in the core: a long endless decimal ends in "…").
QString ResultWholeText(const ConvertedValue& value);

} // namespace mensurix
