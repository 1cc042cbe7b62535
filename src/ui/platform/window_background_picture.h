#pragma once

#include <QWidget>

#include <cstdint>
#include <memory>

namespace mensurix {

// Whether the window system can keep a translucent picture for the window and draw it there
// itself wherever the window is exposed (an X11 window of depth 32). Such a window needs no
// drawing buffer in the program and no drawing pass of its own when it is shown. The window's
// native window must exist.
bool CanHoldBackgroundPicture(const QWidget& window);

// A picture handed to the window system row by row, to be the window's background. The program
// keeps no copy of it: only a few rows are in memory at a time.
class BackgroundPicture {
public:
    // Starts a picture of width x height pixels for the window, most of them likely the pixel
    // fill (premultiplied 0xAARRGGBB): the window system fills the picture with it, and only the
    // other pixels travel. Where the window system cannot hold a picture, nothing is sent and
    // Show returns false.
    BackgroundPicture(const QWidget& window, int width, int height, std::uint32_t fill);
    ~BackgroundPicture();
    BackgroundPicture(const BackgroundPicture&) = delete;
    BackgroundPicture& operator=(const BackgroundPicture&) = delete;

    // The next row from the top: width pixels, premultiplied 0xAARRGGBB.
    void AddRow(const std::uint32_t* pixels);
    // Makes the picture, once all its rows are added, the window's background and shows it at
    // once.
    bool Show();

private:
    class Native;
    std::unique_ptr<Native> native_;
};

} // namespace mensurix
