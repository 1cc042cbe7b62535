#include "ui/text_bytes.h"

#include "ui/platform/system_code_page.h"

#include <QStringDecoder>

#include <array>

namespace mensurix {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; its five unassigned bytes stay as the
// C1 controls of the same value.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        text += byte >= 0x80 && byte <= 0x9F ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

} // namespace

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
    return FromWindows1252(bytes);
}

std::string BytesFromText(const QString& text) {
    return text.toStdString();
}

} // namespace mensurix
