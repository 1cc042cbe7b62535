#pragma once

#include "halo/shadow_opacities.h"
#include "ui/platform/owner_window_tracker.h"

#include <QColor>
#include <QMetaObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <optional>

namespace mensurix {

// The soft coloured halo around an owner window: a per-pixel translucent top-level window,
// ShadowMargin logical pixels larger than its owner on every side, kept directly below the owner in
// the stacking order. It is never activated, has no taskbar entry and lets every click through to
// what lies beneath. It follows each move of the owner without redrawing, also while the window
// manager drags it, redraws only when the owner's size or transparent colour changes, and is
// hidden while the owner is hidden, minimised, maximised or full screen, while the window
// manager keeps the owner off the screen (another desktop), and wherever the window system
// cannot show it (no compositing manager on X11, Wayland).
//
// The halo takes the owner's shape from its mask (when the mask has more than one rectangle),
// its window opacity as its own, and honours a transparent colour that the owner declares
// through the TransparentColorProperty.
class HaloWindow : public QWidget {
    Q_OBJECT

public:
    // parent only owns the shadow (deletes it at the latest with itself); the shadow is always a
    // top-level window. No native window is created before it is needed.
    explicit HaloWindow(QWidget* parent = nullptr);
    // Detaches from the owner, frees the image and destroys the window.
    ~HaloWindow() override;

    // Follows form, or nothing with nullptr. Detaching leaves the previous owner as it was.
    void SetOwnerForm(QWidget* form);
    // Whether the halo is wanted; it shows only while the owner is visible in its normal state.
    void SetShadowVisible(bool value);
    // The halo's colour, laid out 00BBGGRR. A new colour recolours the current halo, keeping
    // its opacities.
    void SetShadowColor(std::uint32_t colorRef);
    // How many halo images have been drawn.
    int BuildCount() const { return buildCount_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    QPaintEngine* paintEngine() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The owner's events, as they arrive before or after the owner's own handling.
    void HandleOwnerEvent(const QEvent& event);
    // A change of the owner is coming: hides the halo at once when the owner is about to be
    // hidden or is no longer in its normal state.
    void HideUnlessOwnerStaysNormal(bool ownerHiding);
    // The owner has changed: redraws when needed, places the halo around the owner directly
    // below it, and shows or hides it.
    void FollowOwnerChange();
    void RequestRefresh();
    // Sizes the halo to its image and puts it around the owner, directly below it.
    void PlaceAroundOwner();
    // Puts the halo where the owner's native geometry says, in device pixels; false where the
    // window system does not tell that geometry.
    bool FollowOwnerMove();
    // Whether the window system shows the owner now and can show the halo at all.
    bool OwnerShownByWindowSystem() const;
    void BuildShadow();
    void UpdateLayer();
    // Hands the layer to the window system to keep and draw; false where it cannot.
    bool HandLayerToWindowSystem();
    void OnOwnerWindowChange(OwnerWindowChange change);
    // Follows the owner's native window's events, anew when the owner gets another one.
    void WatchOwnerWindow();
    void OwnerExposed();
    void EnsureNativeWindow();
    bool OwnerHasNativeWindow() const;
    bool OwnerStateNormal() const;

    QPointer<QWidget> OwnerForm;
    QPointer<QWindow> ownerWindow_;
    bool ShadowVisible = false;
    std::uint32_t ShadowColor = 0;
    std::optional<QColor> LastTransparentColor;
    // The halo's opacities in device pixels for builtRatio_, around an owner of haloSize_
    // logical pixels with the margins.
    ShadowOpacities ShadowBitmap;
    qreal builtRatio_ = 1.0;
    QSize haloSize_{0, 0};
    bool NeedsRebuild = true;
    int buildCount_ = 0;
    // The window system keeps the layer and draws it; the halo then draws nothing itself.
    bool layerHeldByWindowSystem_ = false;
    QMetaObject::Connection ownerDestroyed_;
    OwnerWindowTracker tracker_;
};

} // namespace mensurix
