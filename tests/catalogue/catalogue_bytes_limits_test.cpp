#include "catalogue/catalogue_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace mensurix {
namespace {

// Whatever the bytes, the reader finishes in one pass and every non-blank line after a header
// becomes exactly one entry.
TEST(HostileCatalogueBytes, BinaryGarbage) {
    std::mt19937 engine(7);
    std::string bytes(10 << 20, '\0');
    for (auto& b : bytes) {
        b = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(engine));
    }
    bytes[0] = '[';
    const auto catalogue = ParseCatalogue(bytes);
    EXPECT_FALSE(catalogue.empty());
}

TEST(HostileCatalogueBytes, TenMegabytesOfUnits) {
    std::string bytes = "[Big]\n";
    while (bytes.size() < (10 << 20)) {
        bytes += "Unit=0.3048|3.280839895013123359580052493438320209974\n";
    }
    const auto catalogue = ParseCatalogue(bytes);
    ASSERT_EQ(catalogue.size(), 1U);
    EXPECT_GT(catalogue[0].Units.size(), 150000U);
}

TEST(HostileCatalogueBytes, OneMegabyteLine) {
    const std::string line = "X=+5|1|" + std::string(1 << 20, '|');
    const auto catalogue = ParseCatalogue("[A]\n" + line);
    ASSERT_EQ(catalogue.at(0).Units.size(), 1U);
    EXPECT_EQ(catalogue[0].Units[0].FactorToBase.size(), 1U << 20);
}

TEST(HostileCatalogueBytes, NoHeaderAndOnlyHeaders) {
    EXPECT_TRUE(ParseCatalogue(std::string(1 << 20, 'x') + "=1\n").empty());
    std::string headers;
    for (int i = 0; i < 100000; ++i) {
        headers += "[H]\n";
    }
    EXPECT_EQ(ParseCatalogue(headers).size(), 100000U);
}

} // namespace
} // namespace mensurix
