#include "localisation/replace_all.h"

namespace mensurix {

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
    std::string result(text);
    if (pattern.empty() || replacement.find(pattern) != std::string_view::npos) {
        return result;
    }
    // The text before an occurrence holds none, so after a replacement a new first occurrence
    // can start at most one pattern length (less one) before it: the search resumes there
    // instead of at the very start, with the same result.
    const auto overlap = pattern.size() - 1;
    for (auto p = result.find(pattern); p != std::string::npos;
         p = result.find(pattern, p > overlap ? p - overlap : 0)) {
        result.replace(p, pattern.size(), replacement);
    }
    return result;
}

} // namespace mensurix
