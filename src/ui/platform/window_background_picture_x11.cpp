#include "ui/platform/window_background_picture.h"

#include "ui/platform/x11_connection.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>
#include <vector>

namespace mensurix {
namespace {

using x11::QtConnection;
using x11::Reply;

constexpr std::uint8_t PictureDepth = 32;
// Rows gathered before their pixels are sent: few enough to keep the program's share small.
constexpr int RowsPerBatch = 32;
// Fill pixels between two runs of other pixels shorter than this travel with them: a request
// costs more than a few pixels.
constexpr int ShortestGap = 16;
constexpr std::size_t PutImageHeaderBytes = 24;

xcb_window_t NativeWindow(const QWidget& window) {
    return static_cast<xcb_window_t>(window.internalWinId());
}

// Columns [begin, end) of a row.
struct Span {
    int begin = 0;
    int end = 0;
    bool operator==(const Span&) const = default;
};

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

// The picture is a pixmap of the window's depth, filled on the server with the fill pixel;
// rows whose other pixels lie in the same columns are gathered and sent as one rectangle per
// run of columns. The pixmap then becomes the window's background, which the server draws
// wherever the window is exposed.
class BackgroundPicture::Native {
public:
    Native(xcb_connection_t* connection, xcb_window_t window, int width, int height,
           std::uint32_t fill)
        : connection_(connection), window_(window), width_(width), height_(height), fill_(fill),
          serverReadsHostOrder_(
              (xcb_get_setup(connection)->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) ==
              (std::endian::native == std::endian::little)) {
        pixmap_ = xcb_generate_id(connection_);
        xcb_create_pixmap(connection_, PictureDepth, pixmap_, window_,
                          static_cast<std::uint16_t>(width_), static_cast<std::uint16_t>(height_));
        gc_ = xcb_generate_id(connection_);
        const std::uint32_t foreground = fill_;
        xcb_create_gc(connection_, gc_, pixmap_, XCB_GC_FOREGROUND, &foreground);
        const xcb_rectangle_t all{0, 0, static_cast<std::uint16_t>(width_),
                                  static_cast<std::uint16_t>(height_)};
        xcb_poly_fill_rectangle(connection_, pixmap_, gc_, 1, &all);
    }

    ~Native() {
        xcb_free_gc(connection_, gc_);
        xcb_free_pixmap(connection_, pixmap_);
        xcb_flush(connection_);
    }

    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    // Whether a request can carry a whole row of the batch.
    static bool Fits(xcb_connection_t* connection, int width) {
        const std::size_t requestBytes =
            static_cast<std::size_t>(xcb_get_maximum_request_length(connection)) * 4;
        return static_cast<std::size_t>(width) * 4 * RowsPerBatch + PutImageHeaderBytes <=
               requestBytes;
    }

    void AddRow(const std::uint32_t* pixels) {
        if (rowsAdded_ >= height_) {
            return;
        }
        const std::vector<Span> spans = SpansOfOtherPixels(pixels);
        if (spans != batchSpans_ || batchRows_ == RowsPerBatch) {
            SendBatch();
            batchSpans_ = spans;
            batchBytes_.resize(spans.size());
        }
        for (std::size_t i = 0; i < spans.size(); ++i) {
            Append(batchBytes_[i], pixels + spans[i].begin, spans[i].end - spans[i].begin);
        }
        ++batchRows_;
        ++rowsAdded_;
    }

    bool Show() {
        if (rowsAdded_ != height_) {
            return false;
        }
        SendBatch();
        xcb_change_window_attributes(connection_, window_, XCB_CW_BACK_PIXMAP, &pixmap_);
        // Redraws the whole window with it; no Expose event goes to Qt.
        xcb_clear_area(connection_, 0, window_, 0, 0, 0, 0);
        return true;
    }

private:
    // Whether the count pixels from pixels on are all the fill pixel; written without an early
    // exit, so that the compiler can test several pixels at once.
    bool AllFill(const std::uint32_t* pixels, int count) const {
        std::uint32_t differs = 0;
        for (int i = 0; i < count; ++i) {
            differs |= pixels[i] ^ fill_;
        }
        return differs == 0;
    }

    std::vector<Span> SpansOfOtherPixels(const std::uint32_t* pixels) const {
        constexpr int Block = 16;
        std::vector<Span> spans;
        for (int x = 0; x < width_;) {
            if (x + Block <= width_ && AllFill(pixels + x, Block)) {
                x += Block;
                continue;
            }
            if (pixels[x] == fill_) {
                ++x;
                continue;
            }
            int end = x + 1;
            while (end < width_ && pixels[end] != fill_) {
                ++end;
            }
            if (!spans.empty() && x - spans.back().end < ShortestGap) {
                spans.back().end = end;
            } else {
                spans.push_back({x, end});
            }
            x = end;
        }
        return spans;
    }

    // In the byte order the server reads, whatever the byte order of this machine.
    void Append(std::vector<std::uint8_t>& bytes, const std::uint32_t* pixels, int count) const {
        const std::size_t at = bytes.size();
        bytes.resize(at + static_cast<std::size_t>(count) * 4);
        std::uint8_t* out = bytes.data() + at;
        if (serverReadsHostOrder_) {
            std::memcpy(out, pixels, static_cast<std::size_t>(count) * 4);
            return;
        }
        for (int x = 0; x < count; ++x, out += 4) {
            for (int i = 0; i < 4; ++i) {
                out[i] = static_cast<std::uint8_t>(pixels[x] >> (8 * (3 - i)));
            }
        }
    }

    void SendBatch() {
        const int top = rowsAdded_ - batchRows_;
        for (std::size_t i = 0; i < batchSpans_.size(); ++i) {
            const Span& span = batchSpans_[i];
            xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap_, gc_,
                          static_cast<std::uint16_t>(span.end - span.begin),
                          static_cast<std::uint16_t>(batchRows_),
                          static_cast<std::int16_t>(span.begin), static_cast<std::int16_t>(top), 0,
                          PictureDepth, static_cast<std::uint32_t>(batchBytes_[i].size()),
                          batchBytes_[i].data());
            batchBytes_[i].clear();
        }
        batchRows_ = 0;
    }

    xcb_connection_t* connection_;
    xcb_window_t window_;
    int width_;
    int height_;
    std::uint32_t fill_;
    bool serverReadsHostOrder_;
    xcb_pixmap_t pixmap_ = 0;
    xcb_gcontext_t gc_ = 0;
    std::vector<Span> batchSpans_;
    std::vector<std::vector<std::uint8_t>> batchBytes_;
    int batchRows_ = 0;
    int rowsAdded_ = 0;
};

BackgroundPicture::BackgroundPicture(const QWidget& window, int width, int height,
                                     std::uint32_t fill) {
    xcb_connection_t* connection = QtConnection();
    const xcb_window_t native = NativeWindow(window);
    if (connection && native != XCB_WINDOW_NONE && width > 0 && height > 0 && width <= 0x7FFF &&
        height <= 0x7FFF && Native::Fits(connection, width)) {
        native_ = std::make_unique<Native>(connection, native, width, height, fill);
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
