#include "ui/shadow/halo_window.h"

#include "halo/shadow_color.h"
#include "halo/shadow_image_build.h"
#include "halo/shadow_image_scale.h"
#include "halo/shadow_layer.h"
#include "ui/platform/window_background_picture.h"
#include "ui/shadow/owner_shadow_shape.h"
#include "ui/shadow/owner_transparency.h"
#include "ui/shadow/shadow_image_draw.h"
#include "ui/shadow/shadow_layer_paint.h"

#include <QEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <array>

namespace mensurix {

HaloWindow::HaloWindow(QWidget* parent)
    : QWidget(parent, OwnerWindowTracker::FollowerWindowFlags()),
      tracker_(*this, [this](OwnerWindowChange change) { OnOwnerWindowChange(change); }) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    // The halo is no window of its own to the application: it never keeps it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
}

HaloWindow::~HaloWindow() {
    SetOwnerForm(nullptr);
    ShadowBitmap.Clear();
}

void HaloWindow::SetOwnerForm(QWidget* form) {
    if (form == OwnerForm) {
        return;
    }
    if (OwnerForm) {
        OwnerForm->removeEventFilter(this);
    }
    disconnect(ownerDestroyed_);
    OwnerForm = form;
    WatchOwnerWindow();
    tracker_.SetOwner(form);
    if (form) {
        form->installEventFilter(this);
        ownerDestroyed_ = connect(form, &QObject::destroyed, this, [this] {
            tracker_.SetOwner(nullptr);
            hide();
        });
        LastTransparentColor = OwnerTransparentColor(*form);
    } else {
        hide();
    }
    NeedsRebuild = true;
    RequestRefresh();
}

void HaloWindow::SetShadowVisible(bool value) {
    if (value == ShadowVisible) {
        return;
    }
    ShadowVisible = value;
    RequestRefresh();
}

void HaloWindow::SetShadowColor(std::uint32_t colorRef) {
    if (colorRef == ShadowColor) {
        return;
    }
    ShadowColor = colorRef;
    UpdateLayer();
}

bool HaloWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == OwnerForm) {
        HandleOwnerEvent(*event);
    } else if (watched == ownerWindow_ && event->type() == QEvent::Expose) {
        OwnerExposed();
    }
    return false;
}

void HaloWindow::WatchOwnerWindow() {
    QWindow* window = OwnerForm ? OwnerForm->windowHandle() : nullptr;
    if (window == ownerWindow_) {
        return;
    }
    if (ownerWindow_) {
        ownerWindow_->removeEventFilter(this);
    }
    ownerWindow_ = window;
    if (window) {
        window->installEventFilter(this);
    }
}

// The window system shows an exposed owner. The halo comes at once, before the owner's first
// picture is drawn, so that both windows are drawn in the same pass rather than one after the
// other; the tracker's own notification of the mapping may still wait behind that drawing.
void HaloWindow::OwnerExposed() {
    if (!isVisible() && ownerWindow_->isExposed()) {
        tracker_.ReadPendingNotifications();
        RequestRefresh();
    }
}

void HaloWindow::HandleOwnerEvent(const QEvent& event) {
    switch (event.type()) {
    case QEvent::WinIdChange:
        WatchOwnerWindow();
        tracker_.SetOwner(OwnerForm);
        RequestRefresh();
        break;
    case QEvent::Hide:
        HideUnlessOwnerStaysNormal(true);
        break;
    case QEvent::WindowStateChange:
        HideUnlessOwnerStaysNormal(false);
        RequestRefresh();
        break;
    // On another screen the owner may have another device pixel ratio, and its halo with it.
    case QEvent::ScreenChangeInternal:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::ActivationChange:
        RequestRefresh();
        break;
    default:
        break;
    }
}

void HaloWindow::OnOwnerWindowChange(OwnerWindowChange change) {
    switch (change) {
    case OwnerWindowChange::Hiding:
        HideUnlessOwnerStaysNormal(true);
        break;
    case OwnerWindowChange::Moved:
        if (isVisible()) {
            FollowOwnerMove();
        }
        break;
    case OwnerWindowChange::Changed:
        RequestRefresh();
        break;
    }
}

void HaloWindow::RequestRefresh() {
    if (OwnerHasNativeWindow()) {
        FollowOwnerChange();
    }
}

void HaloWindow::HideUnlessOwnerStaysNormal(bool ownerHiding) {
    if (ownerHiding || !OwnerStateNormal()) {
        hide();
    }
}

void HaloWindow::FollowOwnerChange() {
    if (!OwnerForm->isMaximized()) {
        BuildShadow();
    }
    // Placed before it is shown, never at once after: xcompmgr may leave a window unpainted
    // that is reconfigured while it takes in its mapping.
    PlaceAroundOwner();
    const bool wanted = ShadowVisible && OwnerForm->isVisible() && OwnerStateNormal() &&
                        !ShadowBitmap.IsEmpty() && OwnerShownByWindowSystem();
    if (wanted != isVisible()) {
        setVisible(wanted);
    }
}

void HaloWindow::BuildShadow() {
    if (!ShadowVisible || !OwnerHasNativeWindow()) {
        return;
    }
    const QSize outer = OwnerForm->frameGeometry().size();
    const QSize size = outer + QSize(2 * ShadowMargin, 2 * ShadowMargin);
    const qreal ratio = OwnerForm->devicePixelRatio();
    const HaloScale scale = HaloScaleFor(ratio, size.width(), size.height());
    const std::optional<QColor> transparentColor = OwnerTransparentColor(*OwnerForm);
    if (ShadowBitmap.Width() != scale.width || ShadowBitmap.Height() != scale.height ||
        ratio != builtRatio_) {
        NeedsRebuild = true;
    } else if (transparentColor != LastTransparentColor) {
        NeedsRebuild = true;
    }
    if (!NeedsRebuild) {
        return;
    }
    NeedsRebuild = false;

    LastTransparentColor = transparentColor;
    std::optional<PlacedTransparencyMask> mask;
    if (transparentColor) {
        const QPoint client =
            OwnerForm->geometry().topLeft() - OwnerForm->frameGeometry().topLeft();
        mask = PlacedTransparencyMask{OwnerTransparencyMask(*OwnerForm, *transparentColor),
                                      client.x() + ShadowMargin, client.y() + ShadowMargin};
    }
    DrawShadowOpacities(ShadowBitmap, size.width(), size.height(), OwnerShadowShape(*OwnerForm),
                        mask, ratio);
    builtRatio_ = ratio;
    haloSize_ = size;
    ++buildCount_;
    UpdateLayer();
}

void HaloWindow::UpdateLayer() {
    const qreal opacity = OwnerForm ? OwnerForm->windowOpacity() : 1.0;
    if (windowOpacity() != opacity) {
        setWindowOpacity(opacity);
    }
    EnsureNativeWindow();
    if (!layerHeldByWindowSystem_ || !HandLayerToWindowSystem()) {
        update();
    }
}

bool HaloWindow::HandLayerToWindowSystem() {
    if (ShadowBitmap.IsEmpty()) {
        return false;
    }
    const ShadowColorRgb color = RgbFromColorRef(ShadowColor);
    std::array<std::size_t, 256> counts{};
    ShadowBitmap.ForEachRow([&](int /*y*/, const std::uint8_t* opacity) {
        std::for_each(opacity, opacity + ShadowBitmap.Width(),
                      [&](std::uint8_t alpha) { ++counts[alpha]; });
    });
    const auto commonest = std::max_element(counts.begin(), counts.end()) - counts.begin();
    BackgroundPicture picture(*this, ShadowBitmap.Width(), ShadowBitmap.Height(),
                              LayerPixels(color)[static_cast<std::size_t>(commonest)]);
    ForEachLayerRow(ShadowBitmap, color,
                    [&](int /*y*/, const std::uint32_t* row) { picture.AddRow(row); });
    return picture.Show();
}

void HaloWindow::EnsureNativeWindow() {
    if (internalWinId() != 0) {
        return;
    }
    winId();
    // A transient parent would make the window system keep the halo above its owner.
    if (QWindow* window = windowHandle()) {
        window->setTransientParent(nullptr);
    }
    tracker_.PrepareFollowerWindow();
    layerHeldByWindowSystem_ = CanHoldBackgroundPicture(*this);
    // Qt then keeps no drawing buffer for the halo and never draws it.
    setAttribute(Qt::WA_PaintOnScreen, layerHeldByWindowSystem_);
}

bool HaloWindow::OwnerHasNativeWindow() const {
    return OwnerForm && OwnerForm->internalWinId() != 0;
}

bool HaloWindow::OwnerStateNormal() const {
    return !(OwnerForm->windowState() &
             (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

QPaintEngine* HaloWindow::paintEngine() const {
    return layerHeldByWindowSystem_ ? nullptr : QWidget::paintEngine();
}

void HaloWindow::paintEvent(QPaintEvent* /*event*/) {
    if (layerHeldByWindowSystem_) {
        return;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (ShadowBitmap.IsEmpty()) {
        painter.fillRect(rect(), Qt::transparent);
        return;
    }
    PaintShadowLayer(painter, ShadowBitmap, RgbFromColorRef(ShadowColor), builtRatio_);
}

} // namespace mensurix
