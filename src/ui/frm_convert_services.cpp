#include "ui/frm_convert_services.h"

#include "ui/program_identity.h"
#include "ui/system_language_name.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace mensurix {

FrmConvertServices DefaultServices() {
    FrmConvertServices services;
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
