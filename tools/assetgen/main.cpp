#include "background_painter.h"
#include "button_painter.h"
#include "ico_container.h"
#include "logo_painter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>

#include <array>
#include <cstdio>

namespace {

using namespace mensurix;

bool writeImage(const QDir& directory, const QString& name, const QImage& image, int quality = -1) {
    QImageWriter writer(directory.filePath(name));
    writer.setQuality(quality);
    if (writer.write(image))
        return true;
    std::fprintf(stderr, "assetgen: %s: %s\n", qPrintable(name), qPrintable(writer.errorString()));
    return false;
}

bool writeFile(const QDir& directory, const QString& name, const QByteArray& bytes) {
    QFile file(directory.filePath(name));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "assetgen: %s: %s\n", qPrintable(name), qPrintable(file.errorString()));
    return false;
}

bool writeAssets(const QDir& directory) {
    bool written = writeImage(directory, "background.jpg", paintBackground(), 95);
    written &= writeImage(directory, "minimize.png", paintMinimizeButton(ButtonState::Normal));
    written &= writeImage(directory, "minimize_hover.png", paintMinimizeButton(ButtonState::Hover));
    written &= writeImage(directory, "close.png", paintCloseButton(ButtonState::Normal));
    written &= writeImage(directory, "close_hover.png", paintCloseButton(ButtonState::Hover));

    constexpr std::array iconSizes{16, 24, 32, 48, 64, 128, 256};
    for (const int size : iconSizes)
        written &= writeImage(directory, QString("icon_%1.png").arg(size), paintIcon(size));
    // The sizes Windows asks for in the taskbar, title bar, Explorer and large views.
    written &=
        writeFile(directory, "mensurix.ico",
                  icoContainer({paintIcon(16), paintIcon(32), paintIcon(48), paintIcon(256)}));
    return written;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir directory(QString::fromLocal8Bit(argv[1]));
    if (!directory.exists()) {
        std::fprintf(stderr, "assetgen: %s is not a directory\n", argv[1]);
        return 2;
    }
    return writeAssets(directory) ? 0 : 1;
}
