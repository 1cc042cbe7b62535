#include "ui/platform/fixed_window_hints.h"

#include <windows.h>

namespace mensurix {

// Without a maximise box or a sizing frame neither the caption menu nor Aero Snap maximises the
// window. Windows reads no other name than the window text Qt already sets.
void FixedWindowHints::Apply(QWidget& window) {
    const auto handle = reinterpret_cast<HWND>(window.internalWinId());
    if (!handle) {
        return;
    }
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
    SetWindowLongPtrW(handle, GWL_STYLE,
                      style & ~static_cast<LONG_PTR>(WS_MAXIMIZEBOX | WS_THICKFRAME));
}

} // namespace mensurix
