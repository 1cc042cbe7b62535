#pragma once

// The main window's outline: its designed client size, cut to a rectangle whose corners an
// ellipse of MainWindowCornerEllipse pixels rounds. The build draws the halo of this outline
// once, so the window and the build read it from here.
namespace mensurix {

inline constexpr int MainWindowWidth = 610;
inline constexpr int MainWindowHeight = 450;
inline constexpr int MainWindowCornerEllipse = 9;

} // namespace mensurix
