#include "ui/platform/system_code_page.h"

#include <langinfo.h>

namespace mensurix {

// The locale is the one QCoreApplication set from the environment.
QStringDecoder SystemCodePageDecoder() {
    return CodePageDecoder(nl_langinfo(CODESET));
}

} // namespace mensurix
