#pragma once

namespace mensurix {

// The application title: the taskbar text, the caption strip and every message box caption.
inline constexpr const char* ApplicationTitle = "Mensurix (1.2.5.1)";
inline constexpr const char* HomepageAddress = "https://mensurix.org";
// The reverse-DNS name of the desktop entry, the icons and the AppStream metadata.
inline constexpr const char* DesktopFileId = "org.mensurix.Mensurix";
// Years and holder of the rights, ending in a full stop.
inline constexpr const char* CopyrightHolderText = "2026 The Mensurix Authors.";

} // namespace mensurix
