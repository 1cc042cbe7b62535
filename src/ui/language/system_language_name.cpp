#include "ui/language/system_language_name.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QLocale>
#endif

namespace mensurix {
namespace {

constexpr std::size_t MaxNameLength = 18;

} // namespace

#ifdef Q_OS_WIN

std::string SystemLanguageName() {
    char buffer[MaxNameLength + 1] = {};
    const int length = GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_SENGLANGUAGE, buffer,
                                      static_cast<int>(sizeof buffer));
    return length > 0 ? std::string(buffer) : std::string();
}

#else

std::string SystemLanguageName() {
    const std::string name = QLocale::languageToString(QLocale::system().language()).toStdString();
    return name.size() <= MaxNameLength ? name : std::string();
}

#endif

} // namespace mensurix
