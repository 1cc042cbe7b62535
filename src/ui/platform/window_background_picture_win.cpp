#include "ui/platform/window_background_picture.h"

namespace mensurix {

// A layered window takes its picture from Qt's own drawing of the window.
bool CanHoldBackgroundPicture(const QWidget& /*window*/) {
    return false;
}

class BackgroundPicture::Native {};

BackgroundPicture::BackgroundPicture(const QWidget& /*window*/, int /*width*/, int /*height*/,
                                     std::uint32_t /*fill*/) {}

BackgroundPicture::~BackgroundPicture() = default;

void BackgroundPicture::AddRow(const std::uint32_t* /*pixels*/) {}

bool BackgroundPicture::Show() {
    return false;
}

} // namespace mensurix
