#include "icon_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

namespace mensurix {
namespace {

void SetApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QString(":/assets/icon_%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

// Waits for the first paint event of any window (an error box of the start-up can come before the
// main window) and sets the icon once that paint has been handled and shown.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher() : QObject(qApp) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    SetApplicationIcon();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void SetApplicationIconAfterFirstPaint() {
    new FirstPaintWatcher();
}

} // namespace mensurix
