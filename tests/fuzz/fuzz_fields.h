#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace mensurix::fuzz {

// A fuzz input read as leading fields, each ended by a line feed, followed by the rest of the
// input. Seed files stay readable: "12.5\n-0.75\n..." gives the fields "12.5" and "-0.75".
class FuzzFields {
public:
    FuzzFields(const std::uint8_t* data, std::size_t size);

    // The text up to the next line feed, which is consumed; all that is left when there is none.
    std::string_view Next();

    // What the fields before have not taken.
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

} // namespace mensurix::fuzz
