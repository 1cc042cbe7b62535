#pragma once

#include "release/program_release.h"

namespace mensurix {

// The application title: the taskbar text, the caption strip and every message box caption.
inline constexpr const char* ApplicationTitle = "Mensurix (" MENSURIX_VERSION ")";
inline constexpr const char* HomepageAddress = MENSURIX_HOMEPAGE;
// The reverse-DNS name of the desktop entry, the icons and the AppStream metadata.
inline constexpr const char* DesktopFileId = MENSURIX_DESKTOP_ID;
// Years and holder of the rights, ending in a full stop.
inline constexpr const char* CopyrightHolderText = "2026 The Mensurix Authors.";

} // namespace mensurix
