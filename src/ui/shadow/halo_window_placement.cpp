#include "ui/shadow/halo_window.h"

#include "halo/shadow_image_build.h"

#include <QScreen>
#include <QWindow>

namespace mensurix {

void HaloWindow::PlaceAroundOwner() {
    EnsureNativeWindow();
    // On the owner's screen, so that Qt gives the halo the owner's device pixel ratio and its
    // native window the size of the image.
    QWindow* window = windowHandle();
    if (window && OwnerForm->screen() && window->screen() != OwnerForm->screen()) {
        window->setScreen(OwnerForm->screen());
    }
    // The size first: Qt sends it together with the position it knows.
    if (size() != haloSize_) {
        resize(haloSize_);
    }
    if (!FollowOwnerMove()) {
        // Centred on the owner: the halo reaches ShadowMargin beyond it on every side.
        const int shift = -ShadowMargin;
        move(OwnerForm->frameGeometry().topLeft() + QPoint(shift, shift));
    }
}

// From the owner's own device pixels, not from Qt's logical geometry: at a fractional scale
// factor the logical position is rounded, and the halo would stand a device pixel off.
bool HaloWindow::FollowOwnerMove() {
    const std::optional<QRect> owner = tracker_.OwnerNativeGeometry();
    if (!OwnerForm || !owner) {
        return false;
    }
    const int shift = qRound(-ShadowMargin * OwnerForm->devicePixelRatio());
    return tracker_.PlaceFollower(owner->topLeft() + QPoint(shift, shift));
}

bool HaloWindow::OwnerShownByWindowSystem() const {
    return tracker_.OwnerViewable() && tracker_.CanShowFollower();
}

} // namespace mensurix
