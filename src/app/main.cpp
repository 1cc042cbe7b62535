#include "icon_after_first_picture.h"
#include "ui/platform/termination_request.h"
#include "ui/program_identity.h"
#include "ui/window/converter_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    mensurix::SetApplicationIconAfterFirstPicture();
    mensurix::CloseWindowsOnTerminationRequest();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(mensurix::DesktopFileId);
    // Destroyed before the application object, so that its shut-down can still report errors.
    mensurix::ConverterWindow window;
    window.show();
    return QApplication::exec();
}
