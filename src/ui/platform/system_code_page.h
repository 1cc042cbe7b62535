#pragma once

#include <QStringDecoder>

namespace mensurix {

// The decoder of the system's 8-bit code page, for text that is not UTF-8: the ANSI code page
// (GetACP) on Windows, the character set of the C library's locale elsewhere. Invalid where that
// code page is UTF-8 or ASCII, in which such text cannot have been written.
QStringDecoder SystemCodePageDecoder();

// The stateless decoder of the named character set; invalid for UTF-8, for ASCII and for a name
// Qt does not know.
QStringDecoder CodePageDecoder(const char* name);

} // namespace mensurix
