#include "ui/platform/system_code_page.h"

#include <windows.h>

namespace mensurix {

// Qt's System decoder is the ANSI code page's (CP_ACP); named code pages need ICU, which Qt
// builds for Windows do not use.
QStringDecoder SystemCodePageDecoder() {
    const UINT codePage = GetACP();
    if (codePage == CP_UTF8 || codePage == 20127) {
        return {};
    }
    return QStringDecoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
}

} // namespace mensurix
