#include "ui/widgets/input_length_limit.h"

#include <QLineEdit>

#include <limits>

namespace mensurix {
namespace {

InputLengthLimit* LimitOfEdit(const QLineEdit* edit) {
    return edit->findChild<InputLengthLimit*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

InputLengthLimit::InputLengthLimit(QLineEdit* edit, int limit) : QValidator(edit), limit_(limit) {}

void InputLengthLimit::Install(QLineEdit* edit, int limit) {
    // The edit's own maximum would cut an insertion before this limit sees it.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setValidator(new InputLengthLimit(edit, limit));
}

void InputLengthLimit::SetLimit(QLineEdit* edit, int limit) {
    if (auto* own = LimitOfEdit(edit)) {
        own->limit_ = limit;
    } else {
        edit->setMaxLength(limit);
    }
}

int InputLengthLimit::LimitOf(const QLineEdit* edit) {
    const auto* own = LimitOfEdit(edit);
    return own != nullptr ? own->limit_ : edit->maxLength();
}

QValidator::State InputLengthLimit::validate(QString& input, int&) const {
    return input.size() > limit_ ? Invalid : Acceptable;
}

} // namespace mensurix
