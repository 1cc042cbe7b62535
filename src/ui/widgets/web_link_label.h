#pragma once

#include "ui/widgets/auto_size_label.h"

namespace mensurix {

// The homepage link: a click opens `URL` (or, when that is blank, the caption) in the user's
// browser. Only http and https addresses are opened, so that a language file that sets the
// address cannot make a click start a program or open a local file.
class WebLinkLabel : public AutoSizeLabel {
    Q_OBJECT
public:
    explicit WebLinkLabel(QWidget* parent);

    void SetUrl(const QString& url) { url_ = url; }

    // The address a click opens, or an empty text when it opens nothing.
    QString LinkTarget() const;

signals:
    void LinkRequested(const QString& address);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString url_;
};

} // namespace mensurix
