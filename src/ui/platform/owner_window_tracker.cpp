#include "ui/platform/owner_window_tracker.h"

#include <QMetaObject>

namespace mensurix {

void OwnerWindowTracker::PostChanged() {
    if (changePending_) {
        return;
    }
    changePending_ = true;
    // Queued on the follower, so nothing is left to run once it is gone.
    QMetaObject::invokeMethod(
        &follower_,
        [this] {
            changePending_ = false;
            listener_(OwnerWindowChange::Changed);
        },
        Qt::QueuedConnection);
}

} // namespace mensurix
