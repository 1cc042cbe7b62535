#include "ui/text_bytes.h"

#include "text/utf8_text.h"

#include <QStringDecoder>

namespace mensurix {

QString TextFromBytes(std::string_view bytes) {
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        bytes.remove_prefix(ByteOrderMark.size());
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!decoder.hasError()) {
        return text;
    }
    const std::string utf8 = Utf8FromWindows1252(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string BytesFromText(const QString& text) {
    return text.toStdString();
}

} // namespace mensurix
