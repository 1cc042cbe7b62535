#pragma once

namespace mensurix {

// Gives the application its icon once its first window has drawn its first picture. Reading the
// icon's pictures and handing them to the window system would otherwise hold that picture back;
// the window system takes the icon up for every window as soon as it is set.
void SetApplicationIconAfterFirstPaint();

} // namespace mensurix
