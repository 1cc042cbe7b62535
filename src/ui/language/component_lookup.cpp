#include "ui/language/component_lookup.h"

#include "ui/text_bytes.h"

#include <utility>

namespace mensurix {

ComponentList::ComponentList(QWidget* window, std::vector<QObject*> components)
    : window_(window), components_(std::move(components)) {}

QObject* ComponentList::Find(std::string_view name) const {
    if (name.empty()) {
        return window_;
    }
    const QString wanted = TextFromBytes(name);
    for (QObject* component : components_) {
        if (component->objectName().compare(wanted, Qt::CaseInsensitive) == 0) {
            return component;
        }
    }
    return nullptr;
}

} // namespace mensurix
