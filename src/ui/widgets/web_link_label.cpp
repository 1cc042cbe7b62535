#include "ui/widgets/web_link_label.h"

#include <QMouseEvent>
#include <QUrl>

namespace mensurix {

WebLinkLabel::WebLinkLabel(QWidget* parent) : AutoSizeLabel(parent, Sizing::AutoWidth) {
    setCursor(Qt::PointingHandCursor);
}

QString WebLinkLabel::LinkTarget() const {
    const QString target = (url_.trimmed().isEmpty() ? text() : url_).trimmed();
    const QUrl address(target, QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    const bool web = address.isValid() && !address.host().isEmpty() &&
                     (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    return web ? target : QString();
}

void WebLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        const QString target = LinkTarget();
        if (!target.isEmpty()) {
            emit LinkRequested(target);
        }
    }
    AutoSizeLabel::mouseReleaseEvent(event);
}

} // namespace mensurix
