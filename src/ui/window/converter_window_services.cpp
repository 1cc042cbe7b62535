#include "ui/window/converter_window_services.h"

#include "ui/language/system_language_name.h"
#include "ui/program_identity.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace mensurix {

ConverterWindowServices DefaultServices() {
    ConverterWindowServices services;
    services.ReportError = [](const QString& message) {
        QMessageBox::critical(nullptr, QString::fromUtf8(ApplicationTitle), message);
    };
    services.LocaleLanguageName = SystemLanguageName;
    services.OpenUrl = [](const QString& address) {
        QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
    };
    return services;
}

} // namespace mensurix
