#include "ui/text_bytes.h"

#include "text/utf8_text.h"
#include "ui/platform/system_code_page.h"

#include <QStringDecoder>

namespace mensurix {

QString TextFromBytes(std::string_view bytes) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        bytes.remove_prefix(ByteOrderMark.size());
    }
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder system = SystemCodePageDecoder();
    if (system.isValid()) {
        text = system.decode(view);
        if (!system.hasError()) {
            return text;
        }
    }
    const std::string windows1252 = Utf8FromWindows1252(bytes);
    return QString::fromUtf8(windows1252.data(), static_cast<qsizetype>(windows1252.size()));
}

std::string BytesFromText(const QString& text) {
    return text.toStdString();
}

} // namespace mensurix
