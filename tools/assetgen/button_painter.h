#pragma once

#include <QImage>

namespace mensurix {

enum class ButtonState { Normal, Hover };

// The caption's own buttons: glossy tiles with a steel-blue top line, transparent outside their
// rounded outer bottom corner. Minimise and close sit side by side and read as one group.
QImage paintMinimizeButton(ButtonState state);
QImage paintCloseButton(ButtonState state);

} // namespace mensurix
