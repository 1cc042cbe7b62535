#pragma once

#include "catalogue/unit_catalogue.h"

#include <string>
#include <string_view>

namespace mensurix {

// Builds the catalogue from the bytes of a Units.dat file; never fails.
UnitCatalogue ParseCatalogue(std::string_view bytes);

// Reads and parses the named file; throws FileError ("Cannot open file ...") when it cannot
// be read.
UnitCatalogue ReadCatalogueFile(const std::string& path);

} // namespace mensurix
