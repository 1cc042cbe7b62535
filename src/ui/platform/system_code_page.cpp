#include "ui/platform/system_code_page.h"

#include <QByteArrayView>

namespace mensurix {

QStringDecoder CodePageDecoder(const char* name) {
    const QByteArrayView set(name);
    // "ANSI_X3.4-1968" is what the C library calls ASCII, the set of the plain C locale.
    if (set.compare("UTF-8", Qt::CaseInsensitive) == 0 ||
        set.compare("ANSI_X3.4-1968", Qt::CaseInsensitive) == 0 ||
        set.compare("US-ASCII", Qt::CaseInsensitive) == 0) {
        return {};
    }
    return QStringDecoder(name, QStringDecoder::Flag::Stateless);
}

} // namespace mensurix
