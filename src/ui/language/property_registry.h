#pragma once

#include <QObject>
#include <QSize>

#include <string_view>

namespace mensurix {

// The window that language files address by an empty component name. A file may move and
// resize it, but it keeps at least its designed size and stays wholly on a screen.
class DesignedWindow {
public:
    virtual QSize DesignedSize() const = 0;

protected:
    ~DesignedWindow() = default;
};

// Sets the published property `name` (any letter case) of `component` from a language file's
// value: an integer property takes the value converted to an integer (a value that is not one
// throws std::invalid_argument), a text property the value, a string list the value cut at every
// "||". Returns whether the property takes values from language files: false for a null
// component, an unknown property and one that is published but ignored (Visible, Font, ...).
bool SetPropertyByName(QObject* component, std::string_view name, std::string_view value);

} // namespace mensurix
