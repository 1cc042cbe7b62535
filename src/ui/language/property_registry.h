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

// How a language file's value is used for a property.
enum class PropertyKind { Integer, Text, StringList, Other };

// The kind of the published property `name` (any letter case) of `component`; Other also when
// the component has no such property.
PropertyKind KindOfProperty(const QObject* component, std::string_view name);

// Sets the published property `name` of `component` from a language file's value: an integer
// property takes the value converted to an integer (a value that is not one throws
// std::invalid_argument), a text property the value, a string list the value cut at every "||".
// A null component, an unknown property and one of another kind do nothing.
void SetPropertyByName(QObject* component, std::string_view name, std::string_view value);

} // namespace mensurix
