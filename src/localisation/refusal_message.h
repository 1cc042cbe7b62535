#pragma once

#include "input/input_refusal.h"
#include "localisation/language_file.h"

#include <string>

namespace mensurix {

// The refusal said in the interface language, from its templates (English where the file has
// none); empty for an empty value, which is simply no value yet.
std::string RefusalMessage(const InputRefusal& refusal, const RefusalTexts& texts);

} // namespace mensurix
