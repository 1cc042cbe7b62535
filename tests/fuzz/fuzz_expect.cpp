#include "fuzz_expect.h"

#include <cstdio>
#include <cstdlib>

namespace mensurix::fuzz {
namespace {

// Long texts are cut, so that a report of a 4 kB operand stays readable.
void PrintCut(const char* label, std::string_view text) {
    constexpr std::size_t Shown = 400;
    std::fprintf(stderr, "  %s (%zu bytes): %.*s%s\n", label, text.size(),
                 static_cast<int>(text.size() < Shown ? text.size() : Shown), text.data(),
                 text.size() > Shown ? "..." : "");
}

} // namespace

void Expect(bool holds, std::string_view property) {
    if (!holds) {
        std::fprintf(stderr, "property failed: %.*s\n", static_cast<int>(property.size()),
                     property.data());
        std::abort();
    }
}

void ExpectEqual(std::string_view what, std::string_view got, std::string_view expected) {
    if (got != expected) {
        std::fprintf(stderr, "mismatch: %.*s\n", static_cast<int>(what.size()), what.data());
        PrintCut("got     ", got);
        PrintCut("expected", expected);
        std::abort();
    }
}

} // namespace mensurix::fuzz
