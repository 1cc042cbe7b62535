#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace mensurix {

// A Windows icon file holding the given square images, each entry stored as a PNG stream
// (valid in ICO since Windows Vista and the only compact way to carry the 256-pixel size).
QByteArray icoContainer(const std::vector<QImage>& images);

} // namespace mensurix
