#include "catalogue/catalogue_reader.h"
#include "localisation/unit_names.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace mensurix {
namespace {

// Each shipped language names every unit of the shipped catalogue, and never two units of one
// category alike.
TEST(ShippedUnitNames, EveryUnitNamedOnceInEveryLanguage) {
    const std::string data = MENSURIX_DATA_DIR;
    const UnitCatalogue catalogue = ReadCatalogueFile(data + "/Units.dat");
    ASSERT_GT(catalogue.size(), 50U);
    for (const char* language : {"German", "French", "Spanish", "Italian"}) {
        SCOPED_TRACE(language);
        const UnitNames names =
            ReadUnitNames(UnitNamesPathFor(data + "/Languages/" + language + ".isl"));
        for (const auto& category : catalogue) {
            std::set<std::string> seen;
            for (const auto& unit : category.Units) {
                const auto name = names.Find(category.Name, unit.Name);
                if (!name) {
                    ADD_FAILURE() << category.Name << ": no name for " << unit.Name;
                    continue;
                }
                EXPECT_TRUE(seen.emplace(*name).second)
                    << category.Name << ": " << *name << " twice";
            }
        }
    }
}

} // namespace
} // namespace mensurix
