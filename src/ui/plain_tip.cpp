#include "ui/plain_tip.h"

#include <QTextDocument>

namespace mensurix {

QString PlainTip(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal) : text;
}

} // namespace mensurix
