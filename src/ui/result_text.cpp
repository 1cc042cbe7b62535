#include "ui/result_text.h"

namespace mensurix {
namespace {

const QString ApproximateMark = QStringLiteral("\u2248 ");

QString FromAscii(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString ResultNumberText(const ConvertedValue& value, int fractionDigits, bool groupThousands) {
    return FromAscii(ShownValue(value, fractionDigits, groupThousands));
}

QString ResultCellText(const ConvertedValue& value, int fractionDigits, bool groupThousands) {
    const QString number = ResultNumberText(value, fractionDigits, groupThousands);
    return IsApproximate(value) ? ApproximateMark + number : number;
}

QString ResultWholeText(const ConvertedValue& value) {
    const std::string whole = WholeValue(value, false);
    const QString text = QString::fromUtf8(whole.data(), static_cast<qsizetype>(whole.size()));
    return IsApproximate(value) ? ApproximateMark + text : text;
}

} // namespace mensurix
