#pragma once

#include <QValidator>

class QLineEdit;

namespace mensurix {

// The length limit of an edit box that refuses an insertion beyond it as a whole (a paste, a
// drop, a typed character), so that a long number is never silently cut as QLineEdit's own
// maximum length cuts it; the edit emits inputRejected instead, and the window says why. Text
// that the program sets is not limited.
class InputLengthLimit : public QValidator {
    Q_OBJECT
public:
    // Gives the edit this limit in place of its own maximum length.
    static void Install(QLineEdit* edit, int limit);

    // Sets the edit's limit: this one where the edit has it, else the edit's maximum length.
    static void SetLimit(QLineEdit* edit, int limit);

    // The edit's limit, as SetLimit set it.
    static int LimitOf(const QLineEdit* edit);

    State validate(QString& input, int& position) const override;

private:
    InputLengthLimit(QLineEdit* edit, int limit);

    int limit_;
};

} // namespace mensurix
