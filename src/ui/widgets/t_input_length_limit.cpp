#include "ui/widgets/t_input_length_limit.h"

#include <QLineEdit>

#include <limits>

namespace mensurix {
namespace {

TInputLengthLimit* LimitOfEdit(const QLineEdit* edit) {
    return edit->findChild<TInputLengthLimit*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

TInputLengthLimit::TInputLengthLimit(QLineEdit* edit, int limit)
    : QValidator(edit), limit_(limit) {}

void TInputLengthLimit::Install(QLineEdit* edit, int limit) {
    // The edit's own maximum would cut an insertion before this limit sees it.
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setValidator(new TInputLengthLimit(edit, limit));
}

void TInputLengthLimit::SetLimit(QLineEdit* edit, int limit) {
    if (auto* own = LimitOfEdit(edit)) {
        own->limit_ = limit;
    } else {
        edit->setMaxLength(limit);
    }
}

int TInputLengthLimit::LimitOf(const QLineEdit* edit) {
    const auto* own = LimitOfEdit(edit);
    return own != nullptr ? own->limit_ : edit->maxLength();
}

QValidator::State TInputLengthLimit::validate(QString& input, int&) const {
    return input.size() > limit_ ? Invalid : Acceptable;
}

} // namespace mensurix
