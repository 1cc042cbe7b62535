#include "ui/text_bytes.h"

#include "text/utf8_text.h"

namespace mensurix {

QString TextFromBytes(std::string_view bytes) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        bytes.remove_prefix(ByteOrderMark.size());
    }
    const std::string text = Utf8FromFileText(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string BytesFromText(const QString& text) {
    return text.toStdString();
}

} // namespace mensurix
