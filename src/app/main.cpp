#include "icon_after_first_picture.h"
#include "ui/frm_convert.h"
#include "ui/platform/termination_request.h"
#include "ui/program_identity.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    mensurix::SetApplicationIconAfterFirstPicture();
    mensurix::CloseWindowsOnTerminationRequest();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(mensurix::DesktopFileId);
    // Destroyed before the application object, so that its shut-down can still report errors.
    mensurix::TFrmConvert window;
    window.show();
    return QApplication::exec();
}
