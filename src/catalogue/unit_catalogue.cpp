#include "catalogue/unit_catalogue.h"

namespace mensurix {

void ClearCatalogue(UnitCatalogue& catalogue) {
    for (auto& category : catalogue) {
        category.Units.clear();
    }
    catalogue.clear();
}

} // namespace mensurix
