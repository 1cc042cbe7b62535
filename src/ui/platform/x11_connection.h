#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mensurix::x11 {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// Qt's own connection; null where Qt does not run on X11 (offscreen, Wayland).
xcb_connection_t* QtConnection();

xcb_atom_t InternAtom(xcb_connection_t* connection, std::string_view name);
// Several atoms in one round trip: every request is sent before the first reply is read.
std::vector<xcb_atom_t> InternAtoms(xcb_connection_t* connection,
                                    std::initializer_list<std::string_view> names);

// Replaces a property of 8-bit items (a text) or of atoms.
void SetTextProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                     xcb_atom_t type, std::string_view bytes);
void SetAtomProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                     std::initializer_list<xcb_atom_t> atoms);
void SetCardinalProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type, std::initializer_list<std::uint32_t> values);

// The bytes of a property of 8-bit items of the given type, empty when it is missing.
std::string TextProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type);

} // namespace mensurix::x11
