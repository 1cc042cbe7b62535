#include "ui/frm_convert.h"
#include "ui/program_identity.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QString(":/assets/icon_%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(mensurix::DesktopFileId);
    // Destroyed before the application object, so that its shut-down can still report errors.
    mensurix::TFrmConvert window;
    window.show();
    return QApplication::exec();
}
