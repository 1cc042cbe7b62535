#include "ui/text_bytes.h"

#include "text/utf8_text.h"

namespace mensurix {

QString TextFromBytes(std::string_view bytes) {
    const std::string text = Utf8FromFileText(WithoutUtf8ByteOrderMark(bytes));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string BytesFromText(const QString& text) {
    return text.toStdString();
}

} // namespace mensurix
