#include "icon_after_first_picture.h"

#include "ui/load_picture.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace mensurix {
namespace {

void SetApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(LoadPicture(QString(":/assets/icon_%1.png").arg(size), "png"));
    }
    QApplication::setWindowIcon(icon);
}

// Watches the paint events of all windows (an error box of the start-up can come before the main
// window, the halo comes after it) and sets the icon once each visible window has been painted.
class FirstPictureWatcher : public QObject {
public:
    FirstPictureWatcher() : QObject(qApp) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) {
            return false;
        }
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!Painted(window)) {
            painted_.emplace_back(window);
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        if (std::all_of(windows.begin(), windows.end(),
                        [this](QWidget* w) { return !w->isVisible() || Painted(w); })) {
            qApp->removeEventFilter(this);
            // Queued: the paint under way is handled and shown first.
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

private:
    bool Painted(const QWidget* window) const {
        return std::find(painted_.begin(), painted_.end(), window) != painted_.end();
    }

    std::vector<QPointer<QWidget>> painted_;
};

} // namespace

void SetApplicationIconAfterFirstPicture() {
    new FirstPictureWatcher();
}

} // namespace mensurix
