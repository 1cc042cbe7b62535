#include "ui/language/property_registry.h"

#include "localisation/component_line.h"
#include "profile/integer_text.h"
#include "text/ascii_case.h"
#include "ui/plain_tip.h"
#include "ui/text_bytes.h"
#include "ui/usable_window_geometry.h"
#include "ui/widgets/auto_size_label.h"
#include "ui/widgets/input_length_limit.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/web_link_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>

#include <array>
#include <stdexcept>
#include <string>

namespace mensurix {
namespace {

// How a language file's value is used for a property.
enum class PropertyKind { Integer, Text, StringList };

// The kinds of component that language files address; each property applies to some of them.
enum Component : unsigned {
    Window = 1U << 0,
    Label = 1U << 1,
    LinkLabel = 1U << 2,
    Picture = 1U << 3,
    Separator = 1U << 4,
    ImageButton = 1U << 5,
    CheckBox = 1U << 6,
    Edit = 1U << 7,
    SpinEdit = 1U << 8,
    ComboBox = 1U << 9,
    Grid = 1U << 10,
    Menu = 1U << 11,
    MenuItem = 1U << 12,
};

constexpr unsigned AnyLabel = Label | LinkLabel;
constexpr unsigned AnyControl = Label | LinkLabel | Picture | Separator | ImageButton | CheckBox |
                                Edit | SpinEdit | ComboBox | Grid;
constexpr unsigned Everything = Window | AnyControl | Menu | MenuItem;

unsigned ComponentOf(const QObject* object) {
    if (dynamic_cast<const DesignedWindow*>(object) != nullptr) {
        return Window;
    }
    if (qobject_cast<const WebLinkLabel*>(object) != nullptr) {
        return LinkLabel;
    }
    if (qobject_cast<const AutoSizeLabel*>(object) != nullptr) {
        return Label;
    }
    if (qobject_cast<const QLabel*>(object) != nullptr) {
        return Picture;
    }
    if (qobject_cast<const PictureButton*>(object) != nullptr) {
        return ImageButton;
    }
    if (qobject_cast<const QCheckBox*>(object) != nullptr) {
        return CheckBox;
    }
    if (qobject_cast<const QLineEdit*>(object) != nullptr) {
        return Edit;
    }
    if (qobject_cast<const QSpinBox*>(object) != nullptr) {
        return SpinEdit;
    }
    if (qobject_cast<const QComboBox*>(object) != nullptr) {
        return ComboBox;
    }
    if (qobject_cast<const QTableWidget*>(object) != nullptr) {
        return Grid;
    }
    if (qobject_cast<const QMenu*>(object) != nullptr) {
        return Menu;
    }
    if (qobject_cast<const QAction*>(object) != nullptr) {
        return MenuItem;
    }
    if (qobject_cast<const QWidget*>(object) != nullptr) {
        return Separator;
    }
    return 0;
}

// A value as the setters take it: the text, and for integer properties its number.
struct Value {
    std::string_view bytes;
    std::int32_t number = 0;
    QString Text() const { return TextFromBytes(bytes); }
};

using Setter = void (*)(QObject*, const Value&);

struct PublishedProperty {
    std::string_view name;
    unsigned components;
    PropertyKind kind;
    Setter set;
};

QWidget* AsWidget(QObject* object) {
    return static_cast<QWidget*>(object);
}

void SetCaption(QObject* object, const Value& value) {
    if (auto* label = qobject_cast<AutoSizeLabel*>(object)) {
        label->SetCaption(value.Text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        button->setText(value.Text());
    } else if (auto* item = qobject_cast<QAction*>(object)) {
        item->setText(value.Text());
    } else {
        AsWidget(object)->setWindowTitle(value.Text());
    }
}

void SetHint(QObject* object, const Value& value) {
    if (auto* item = qobject_cast<QAction*>(object)) {
        item->setToolTip(PlainTip(value.Text()));
    } else {
        AsWidget(object)->setToolTip(PlainTip(value.Text()));
    }
    // A picture button has no text of its own: its hint is its name.
    if (auto* button = qobject_cast<PictureButton*>(object)) {
        button->setAccessibleName(value.Text());
    }
}

void SetEditText(QObject* object, const Value& value) {
    static_cast<QLineEdit*>(object)->setText(value.Text());
}

void SetUrl(QObject* object, const Value& value) {
    static_cast<WebLinkLabel*>(object)->SetUrl(value.Text());
}

// The lists' items stand for the catalogue's categories and units by position, so a value
// renames them in place, keeping the selection; a value with another number of lines would
// break that correspondence and does nothing.
void SetItems(QObject* object, const Value& value) {
    auto* list = static_cast<QComboBox*>(object);
    const auto lines = SplitListValue(value.bytes);
    if (static_cast<int>(lines.size()) != list->count()) {
        return;
    }
    for (int i = 0; i < list->count(); ++i) {
        list->setItemText(i, TextFromBytes(lines[static_cast<std::size_t>(i)]));
    }
}

// Sizes from a file are used as given, clamped to what a widget can have.
int WidgetExtent(std::int32_t number) {
    return qBound(0, static_cast<int>(number), QWIDGETSIZE_MAX);
}

// Positions likewise, within a range where a position plus any extent still fits in an int.
int WidgetPosition(std::int32_t number) {
    return qBound(-QWIDGETSIZE_MAX, static_cast<int>(number), QWIDGETSIZE_MAX);
}

// Components go where the file says, no larger than their screen and no further off the window
// than that: a list millions of pixels wide took gigabytes to paint. The window itself stays
// usable: at least its designed size and wholly on a screen, so that no file can hide it or its
// close button.
void SetGeometry(QObject* object, const QRect& wanted) {
    auto* widget = AsWidget(object);
    const auto* window = dynamic_cast<const DesignedWindow*>(widget);
    if (window == nullptr) {
        const QSize limit = widget->screen()->availableGeometry().size();
        widget->setGeometry(qBound(-limit.width(), wanted.x(), limit.width()),
                            qBound(-limit.height(), wanted.y(), limit.height()),
                            qMin(wanted.width(), limit.width()),
                            qMin(wanted.height(), limit.height()));
        return;
    }
    const QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr) {
        screen = widget->screen();
    }
    const QRect usable =
        UsableWindowGeometry(wanted, window->DesignedSize(), screen->availableGeometry());
    widget->setFixedSize(usable.size());
    widget->move(usable.topLeft());
}

void SetLeft(QObject* object, const Value& value) {
    const QWidget* widget = AsWidget(object);
    SetGeometry(object, QRect(QPoint(WidgetPosition(value.number), widget->y()), widget->size()));
}

void SetTop(QObject* object, const Value& value) {
    const QWidget* widget = AsWidget(object);
    SetGeometry(object, QRect(QPoint(widget->x(), WidgetPosition(value.number)), widget->size()));
}

void SetWidth(QObject* object, const Value& value) {
    const QWidget* widget = AsWidget(object);
    SetGeometry(object, QRect(widget->pos(), QSize(WidgetExtent(value.number), widget->height())));
}

void SetHeight(QObject* object, const Value& value) {
    const QWidget* widget = AsWidget(object);
    SetGeometry(object, QRect(widget->pos(), QSize(widget->width(), WidgetExtent(value.number))));
}

void SetTag(QObject* object, const Value& value) {
    object->setProperty("Tag", value.number);
}

// A colour value 00BBGGRR; system-colour codes (high byte set) keep the system's colours.
void SetColor(QObject* object, const Value& value) {
    const auto colorRef = static_cast<std::uint32_t>(value.number);
    if ((colorRef & 0xFF000000U) != 0) {
        return;
    }
    const QColor color(static_cast<int>(colorRef & 0xFFU),
                       static_cast<int>((colorRef >> 8) & 0xFFU),
                       static_cast<int>((colorRef >> 16) & 0xFFU));
    auto* widget = AsWidget(object);
    QPalette palette = widget->palette();
    const bool filled = qobject_cast<QLineEdit*>(widget) ||
                        qobject_cast<QAbstractSpinBox*>(widget) ||
                        qobject_cast<QComboBox*>(widget) || qobject_cast<QTableWidget*>(widget);
    palette.setColor(filled ? QPalette::Base : QPalette::Window, color);
    widget->setPalette(palette);
}

// The framework's cursor numbers; unknown ones leave the cursor as it is.
void SetCursor(QObject* object, const Value& value) {
    constexpr std::array<Qt::CursorShape, 23> Shapes = {
        Qt::ArrowCursor,     Qt::BlankCursor,        Qt::ArrowCursor,     Qt::CrossCursor,
        Qt::IBeamCursor,     Qt::SizeAllCursor,      Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor,      Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::DragMoveCursor,  Qt::ForbiddenCursor,    Qt::SplitHCursor,    Qt::SplitVCursor,
        Qt::DragCopyCursor,  Qt::WaitCursor,         Qt::ForbiddenCursor, Qt::BusyCursor,
        Qt::WhatsThisCursor, Qt::PointingHandCursor, Qt::SizeAllCursor,
    };
    const auto index = -static_cast<std::int64_t>(value.number);
    if (index < 0 || index >= static_cast<std::int64_t>(Shapes.size())) {
        return;
    }
    if (index == 0) {
        AsWidget(object)->unsetCursor();
    } else {
        AsWidget(object)->setCursor(Shapes[static_cast<std::size_t>(index)]);
    }
}

void SetSpinValue(QObject* object, const Value& value) {
    static_cast<QSpinBox*>(object)->setValue(value.number);
}

void SetSpinMinimum(QObject* object, const Value& value) {
    static_cast<QSpinBox*>(object)->setMinimum(value.number);
}

void SetSpinMaximum(QObject* object, const Value& value) {
    static_cast<QSpinBox*>(object)->setMaximum(value.number);
}

void SetMaxLength(QObject* object, const Value& value) {
    InputLengthLimit::SetLimit(static_cast<QLineEdit*>(object), value.number);
}

void SetDropDownCount(QObject* object, const Value& value) {
    static_cast<QComboBox*>(object)->setMaxVisibleItems(qMax(1, static_cast<int>(value.number)));
}

// The published properties language files may name. The form's properties of other types
// (Visible, Enabled, Font, Alignment, TabOrder, events, ...) take nothing, like unknown ones.
constexpr std::array<PublishedProperty, 17> Properties = {{
    {"Caption", Window | AnyLabel | ImageButton | CheckBox | MenuItem, PropertyKind::Text,
     SetCaption},
    {"Hint", AnyControl | MenuItem | Window, PropertyKind::Text, SetHint},
    {"Text", Edit, PropertyKind::Text, SetEditText},
    {"URL", LinkLabel, PropertyKind::Text, SetUrl},
    {"Items", ComboBox, PropertyKind::StringList, SetItems},
    {"Left", Window | AnyControl, PropertyKind::Integer, SetLeft},
    {"Top", Window | AnyControl, PropertyKind::Integer, SetTop},
    {"Width", Window | AnyControl, PropertyKind::Integer, SetWidth},
    {"Height", Window | AnyControl, PropertyKind::Integer, SetHeight},
    {"Tag", Everything, PropertyKind::Integer, SetTag},
    {"Color", Window | AnyControl, PropertyKind::Integer, SetColor},
    {"Cursor", Window | AnyControl, PropertyKind::Integer, SetCursor},
    {"Value", SpinEdit, PropertyKind::Integer, SetSpinValue},
    {"MinValue", SpinEdit, PropertyKind::Integer, SetSpinMinimum},
    {"MaxValue", SpinEdit, PropertyKind::Integer, SetSpinMaximum},
    {"MaxLength", Edit, PropertyKind::Integer, SetMaxLength},
    {"DropDownCount", ComboBox, PropertyKind::Integer, SetDropDownCount},
}};

const PublishedProperty* Lookup(const QObject* component, std::string_view name) {
    const unsigned kind = ComponentOf(component);
    for (const auto& property : Properties) {
        if ((property.components & kind) != 0 && EqualsIgnoringAsciiCase(property.name, name)) {
            return &property;
        }
    }
    return nullptr;
}

} // namespace

bool SetPropertyByName(QObject* component, std::string_view name, std::string_view value) {
    const PublishedProperty* property = component == nullptr ? nullptr : Lookup(component, name);
    if (property == nullptr) {
        return false;
    }
    Value converted{value};
    if (property->kind == PropertyKind::Integer) {
        const auto number = ParseInteger32(value);
        if (!number) {
            throw std::invalid_argument("'" + std::string(value) +
                                        "' is not a valid integer value");
        }
        converted.number = *number;
    }
    property->set(component, converted);
    return true;
}

} // namespace mensurix
