#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one place where the byte texts of the core become Qt text and back.
namespace mensurix {

// Valid UTF-8 is read as UTF-8 (a leading byte-order mark dropped); anything else in the
// system's 8-bit code page (see SystemCodePageDecoder), or, where that is UTF-8 or ASCII or does
// not fit the bytes, as Windows-1252, the code page of the older 8-bit files.
QString TextFromBytes(std::string_view bytes);

// UTF-8 bytes of the text.
std::string BytesFromText(const QString& text);

} // namespace mensurix
