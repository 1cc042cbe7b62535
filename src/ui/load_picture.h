#pragma once

#include <QPixmap>
#include <QString>

namespace mensurix {

// The picture in the file, read as the given format only (a null pixmap where it is not one).
// Left to find a picture's format itself, Qt loads every image plugin installed and asks each
// whether it can read the file, also for a format it has built in.
QPixmap LoadPicture(const QString& path, const char* format);

} // namespace mensurix
