#pragma once

#include <string_view>

// A property that does not hold ends the run with a report; libFuzzer then keeps the input that
// broke it as a crash artifact.
namespace mensurix::fuzz {

void Expect(bool holds, std::string_view property);

void ExpectEqual(std::string_view what, std::string_view got, std::string_view expected);

} // namespace mensurix::fuzz
