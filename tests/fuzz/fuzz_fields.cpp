#include "fuzz_fields.h"

namespace mensurix::fuzz {

FuzzFields::FuzzFields(const std::uint8_t* data, std::size_t size)
    : rest_(reinterpret_cast<const char*>(data), size) {}

std::string_view FuzzFields::Next() {
    const auto end = rest_.find('\n');
    const std::string_view field = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return field;
}

} // namespace mensurix::fuzz
