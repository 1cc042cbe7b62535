#include "ui/load_picture.h"

#include <QImageReader>

namespace mensurix {

QPixmap LoadPicture(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace mensurix
