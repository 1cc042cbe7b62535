#include "ui/platform/fixed_window_hints.h"

#include "ui/platform/x11_connection.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace mensurix {

// Qt names the window only in _NET_WM_NAME. The same name, read back on Qt's connection after
// Qt's own request, becomes WM_NAME: Latin-1 text as ICCCM has it, anything else as UTF-8, which
// most window managers accept. Qt's WM_NORMAL_HINTS (minimum = maximum size) already tell that
// the window cannot be resized.
void FixedWindowHints::Apply(QWidget& window) {
    xcb_connection_t* connection = x11::QtConnection();
    const auto id = static_cast<xcb_window_t>(window.internalWinId());
    if (!connection || id == XCB_WINDOW_NONE) {
        return;
    }
    const xcb_atom_t utf8 = x11::InternAtom(connection, "UTF8_STRING");
    const std::string name =
        x11::TextProperty(connection, id, x11::InternAtom(connection, "_NET_WM_NAME"), utf8);
    const QString title = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const QByteArray latin1 = title.toLatin1();
    if (QString::fromLatin1(latin1) == title) {
        x11::SetTextProperty(connection, id, XCB_ATOM_WM_NAME, XCB_ATOM_STRING,
                             {latin1.constData(), static_cast<std::size_t>(latin1.size())});
    } else {
        x11::SetTextProperty(connection, id, XCB_ATOM_WM_NAME, utf8, name);
    }
    xcb_flush(connection);
}

} // namespace mensurix
