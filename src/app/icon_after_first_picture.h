#pragma once

namespace mensurix {

// Gives the application its icon once every window on screen has drawn its first picture.
// Reading the icon's pictures and handing them to the window system, once for each window, would
// otherwise hold those pictures back; the window system takes the icon up as soon as it is set.
void SetApplicationIconAfterFirstPicture();

} // namespace mensurix
