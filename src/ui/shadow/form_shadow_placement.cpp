#include "ui/shadow/form_shadow.h"

#include "ui/shadow/shadow_image_build.h"

namespace mensurix {

void TFormShadow::PlaceAroundOwner() {
    EnsureNativeWindow();
    // The size first: Qt sends it together with the position it knows.
    const QSize size(ShadowBitmap.Width(), ShadowBitmap.Height());
    if (this->size() != size) {
        resize(size);
    }
    if (!FollowOwnerMove()) {
        const int shift = ShadowOffset - ShadowMargin;
        move(OwnerForm->frameGeometry().topLeft() + QPoint(shift, shift));
    }
}

// From the owner's own device pixels, not from Qt's logical geometry: at a fractional scale
// factor the logical position is rounded, and the halo would stand a device pixel off.
bool TFormShadow::FollowOwnerMove() {
    const std::optional<QRect> owner = tracker_.OwnerNativeGeometry();
    if (!OwnerForm || !owner) {
        return false;
    }
    const int shift = qRound((ShadowOffset - ShadowMargin) * OwnerForm->devicePixelRatio());
    return tracker_.PlaceFollower(owner->topLeft() + QPoint(shift, shift));
}

bool TFormShadow::OwnerShownByWindowSystem() const {
    return tracker_.OwnerViewable() && tracker_.CanShowFollower();
}

} // namespace mensurix
