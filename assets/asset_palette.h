#pragma once

// Geometry and colours of the window's pictures. The picture generator draws with these values
// and the asset test checks the decoded pictures against them, so each number lives here once.

namespace mensurix {

struct AssetRgb {
    int red;
    int green;
    int blue;
};

namespace asset_palette {

inline constexpr int WindowWidth = 610;
inline constexpr int WindowHeight = 450;
inline constexpr int CaptionHeight = 28;
inline constexpr int StatusStripTop = 425;

inline constexpr int MinimizeWidth = 27;
inline constexpr int CloseWidth = 40;
inline constexpr int ButtonHeight = 20;

// The window's drop-shadow colour; the buttons' top line and the strips are tuned to it.
inline constexpr AssetRgb SteelBlue{74, 121, 161};
inline constexpr AssetRgb Outline{110, 70, 150};

// Caption and status strips: a lighter upper half over a deeper lower half gives the glossy
// look, while staying dark enough for white text (contrast ratio 4.5 or more).
inline constexpr AssetRgb CaptionTop{66, 114, 162};
inline constexpr AssetRgb CaptionMiddleHigh{54, 100, 148};
inline constexpr AssetRgb CaptionMiddleLow{42, 86, 134};
inline constexpr AssetRgb CaptionBottom{32, 72, 118};
inline constexpr AssetRgb StripEdge{24, 54, 92};

inline constexpr AssetRgb StatusLight{60, 106, 154};
inline constexpr AssetRgb StatusDark{30, 68, 112};

inline constexpr AssetRgb BodyTop{236, 243, 251};
inline constexpr AssetRgb BodyBottom{226, 236, 248};

inline constexpr AssetRgb LogoDiscLight{40, 86, 138};
inline constexpr AssetRgb LogoDiscDark{16, 44, 82};

inline constexpr AssetRgb MinimizeLight{126, 174, 226};
inline constexpr AssetRgb MinimizeDark{40, 88, 152};
inline constexpr AssetRgb CloseLight{238, 146, 128};
inline constexpr AssetRgb CloseDark{170, 34, 22};

} // namespace asset_palette
} // namespace mensurix
