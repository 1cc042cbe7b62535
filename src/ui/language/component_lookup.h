#pragma once

#include <QObject>
#include <QWidget>

#include <string_view>
#include <vector>

namespace mensurix {

// The window's components in declaration order. A component is found by its name without
// regard to letter case; an empty name is the window itself. The window's own name is not
// among its components, and Qt's inner child objects are not components.
class ComponentList {
public:
    ComponentList() = default;
    ComponentList(QWidget* window, std::vector<QObject*> components);

    QObject* Find(std::string_view name) const;

private:
    QWidget* window_ = nullptr;
    std::vector<QObject*> components_;
};

} // namespace mensurix
