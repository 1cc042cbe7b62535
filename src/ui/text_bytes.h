#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one place where the byte texts of the core become Qt text and back.
namespace mensurix {

// A leading byte-order mark dropped, the bytes read as Utf8FromFileText reads them: UTF-8, or
// else the system's 8-bit code page, or else Windows-1252.
QString TextFromBytes(std::string_view bytes);

// UTF-8 bytes of the text.
std::string BytesFromText(const QString& text);

} // namespace mensurix
