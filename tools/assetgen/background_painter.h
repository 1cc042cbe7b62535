#pragma once

#include <QImage>

namespace mensurix {

// The window's background: caption strip with the logo, pale body, status strip with the globe,
// and the purple outline along the window's rounded edge.
QImage paintBackground();

} // namespace mensurix
