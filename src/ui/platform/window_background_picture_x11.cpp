#include "ui/platform/window_background_picture.h"

#include "ui/platform/x11_connection.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace mensurix {
namespace {

using x11::QtConnection;
using x11::Reply;

constexpr std::uint8_t PictureDepth = 32;
// Rows sent per request: few enough to keep the program's share small, enough to keep the
// requests few.
constexpr std::size_t RowsPerRequest = 32;
constexpr std::size_t PutImageHeaderBytes = 24;

xcb_window_t NativeWindow(const QWidget& window) {
    return static_cast<xcb_window_t>(window.internalWinId());
}

} // namespace

bool CanHoldBackgroundPicture(const QWidget& window) {
    xcb_connection_t* connection = QtConnection();
    const xcb_window_t native = NativeWindow(window);
    if (!connection || native == XCB_WINDOW_NONE) {
        return false;
    }
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, native), nullptr));
    return geometry && geometry->depth == PictureDepth;
}

// The rows go into a pixmap of the window's depth, a request's worth at a time; the pixmap then
// becomes the window's background, which the server draws wherever the window is exposed.
class BackgroundPicture::Native {
public:
    Native(xcb_connection_t* connection, xcb_window_t window, int width, int height)
        : connection_(connection), window_(window), width_(static_cast<std::uint16_t>(width)),
          height_(static_cast<std::uint16_t>(height)),
          leastSignificantByteFirst_(xcb_get_setup(connection)->image_byte_order ==
                                     XCB_IMAGE_ORDER_LSB_FIRST) {
        const std::size_t requestBytes =
            static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4;
        rowsPerRequest_ =
            std::min(RowsPerRequest, (requestBytes - PutImageHeaderBytes) / RowBytes());
        pixmap_ = xcb_generate_id(connection_);
        xcb_create_pixmap(connection_, PictureDepth, pixmap_, window_, width_, height_);
        gc_ = xcb_generate_id(connection_);
        xcb_create_gc(connection_, gc_, pixmap_, 0, nullptr);
        bytes_.reserve(RowBytes() * rowsPerRequest_);
    }

    ~Native() {
        xcb_free_gc(connection_, gc_);
        xcb_free_pixmap(connection_, pixmap_);
        xcb_flush(connection_);
    }

    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    // Whether a request can carry a whole row.
    static bool Fits(xcb_connection_t* connection, int width) {
        const std::size_t requestBytes =
            static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4;
        return static_cast<std::size_t>(width) * 4 + PutImageHeaderBytes <= requestBytes;
    }

    void AddRow(const std::uint32_t* pixels) {
        if (rowsAdded_ >= height_) {
            return;
        }
        const std::size_t at = bytes_.size();
        bytes_.resize(at + RowBytes());
        std::uint8_t* out = bytes_.data() + at;
        // In the byte order the server reads, whatever the byte order of this machine.
        for (int x = 0; x < width_; ++x, out += 4) {
            for (int i = 0; i < 4; ++i) {
                const int shift = leastSignificantByteFirst_ ? 8 * i : 8 * (3 - i);
                out[i] = static_cast<std::uint8_t>(pixels[x] >> shift);
            }
        }
        ++rowsAdded_;
        if (bytes_.size() == RowBytes() * rowsPerRequest_) {
            SendRows();
        }
    }

    bool Show() {
        if (rowsAdded_ != height_) {
            return false;
        }
        SendRows();
        xcb_change_window_attributes(connection_, window_, XCB_CW_BACK_PIXMAP, &pixmap_);
        // Redraws the whole window with it; no Expose event goes to Qt.
        xcb_clear_area(connection_, 0, window_, 0, 0, 0, 0);
        return true;
    }

private:
    std::size_t RowBytes() const { return static_cast<std::size_t>(width_) * 4; }

    void SendRows() {
        if (bytes_.empty()) {
            return;
        }
        const auto rows = static_cast<std::uint16_t>(bytes_.size() / RowBytes());
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap_, gc_, width_, rows, 0,
                      static_cast<std::int16_t>(rowsAdded_ - rows), 0, PictureDepth,
                      static_cast<std::uint32_t>(bytes_.size()), bytes_.data());
        bytes_.clear();
    }

    xcb_connection_t* connection_;
    xcb_window_t window_;
    std::uint16_t width_;
    std::uint16_t height_;
    bool leastSignificantByteFirst_;
    std::size_t rowsPerRequest_ = 1;
    xcb_pixmap_t pixmap_ = 0;
    xcb_gcontext_t gc_ = 0;
    std::vector<std::uint8_t> bytes_;
    int rowsAdded_ = 0;
};

BackgroundPicture::BackgroundPicture(const QWidget& window, int width, int height) {
    xcb_connection_t* connection = QtConnection();
    const xcb_window_t native = NativeWindow(window);
    if (connection && native != XCB_WINDOW_NONE && width > 0 && height > 0 && width <= 0xFFFF &&
        height <= 0xFFFF && Native::Fits(connection, width)) {
        native_ = std::make_unique<Native>(connection, native, width, height);
    }
}

// The window holds on to its background pixmap after the program lets go of it.
BackgroundPicture::~BackgroundPicture() = default;

void BackgroundPicture::AddRow(const std::uint32_t* pixels) {
    if (native_) {
        native_->AddRow(pixels);
    }
}

bool BackgroundPicture::Show() {
    return native_ && native_->Show();
}

} // namespace mensurix
