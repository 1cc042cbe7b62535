#include "ui/platform/x11_connection.h"

#include <QGuiApplication>

#include <vector>

namespace mensurix::x11 {

xcb_connection_t* QtConnection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

namespace {

xcb_intern_atom_cookie_t AskForAtom(xcb_connection_t* connection, std::string_view name) {
    return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
}

xcb_atom_t AtomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(connection, cookie, nullptr));
    return atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name) {
    return AtomOf(connection, AskForAtom(connection, name));
}

std::vector<xcb_atom_t> InternAtoms(xcb_connection_t* connection,
                                    std::initializer_list<std::string_view> names) {
    std::vector<xcb_intern_atom_cookie_t> cookies;
    cookies.reserve(names.size());
    for (const std::string_view name : names) {
        cookies.push_back(AskForAtom(connection, name));
    }
    std::vector<xcb_atom_t> atoms;
    atoms.reserve(cookies.size());
    for (const xcb_intern_atom_cookie_t cookie : cookies) {
        atoms.push_back(AtomOf(connection, cookie));
    }
    return atoms;
}

void SetTextProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                     xcb_atom_t type, std::string_view bytes) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                        static_cast<std::uint32_t>(bytes.size()), bytes.data());
}

void SetAtomProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                     std::initializer_list<xcb_atom_t> atoms) {
    SetCardinalProperty(connection, window, property, XCB_ATOM_ATOM, atoms);
}

void SetCardinalProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type, std::initializer_list<std::uint32_t> values) {
    const std::vector<std::uint32_t> items(values);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                        static_cast<std::uint32_t>(items.size()), items.data());
}

std::string TextProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type) {
    // Window titles are short; 64 KiB is far beyond any of them.
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, 16384), nullptr));
    if (!reply || reply->format != 8) {
        return {};
    }
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return {bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

} // namespace mensurix::x11
