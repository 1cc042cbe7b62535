#pragma once

#include <QString>

namespace mensurix {

// A tooltip shows text that looks like markup as rich text, pictures and all; texts from files
// are shown as they are written instead, so a hint can never load a file.
QString PlainTip(const QString& text);

} // namespace mensurix
