#include "ui/window/result_text.h"

namespace mensurix {
namespace {

const QString ApproximateMark = QStringLiteral("\u2248 ");

QString FromAscii(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A value too small for the shown digits says that it is there, rather than a bare 0.
QString BelowTheLastDigit(const ConvertedValue& value, int fractionDigits) {
    const QString last = fractionDigits <= 0
                             ? QStringLiteral("1")
                             : QStringLiteral("0.") + QString(fractionDigits - 1, u'0') + u'1';
    return IsNegative(value.Exact) ? QStringLiteral("> -") + last : QStringLiteral("< ") + last;
}

} // namespace

QString ResultNumberText(const ConvertedValue& value, int fractionDigits, bool groupThousands) {
    return FromAscii(ShownValue(value, fractionDigits, groupThousands));
}

QString ResultCellText(const ConvertedValue& value, int fractionDigits, bool groupThousands) {
    QString number = ResultNumberText(value, fractionDigits, groupThousands);
    if (number == u"0" && !IsZero(value.Exact)) {
        number = BelowTheLastDigit(value, fractionDigits);
    }
    return IsApproximate(value) ? ApproximateMark + number : number;
}

QString ResultWholeText(const ConvertedValue& value) {
    const std::string whole = WholeValue(value, false);
    const QString text = QString::fromUtf8(whole.data(), static_cast<qsizetype>(whole.size()));
    return IsApproximate(value) ? ApproximateMark + text : text;
}

} // namespace mensurix
