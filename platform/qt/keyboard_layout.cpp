#include "platform/qt/keyboard_layout.hpp"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QLocale>
#include <cstdlib>
#include <memory>
#include <optional>

namespace tomaro::platform::qt {
namespace {

// The X server's current keymap tells the layouts apart by the key right of "L" (X keycode
// 48): ":" on a Japanese keyboard, "'" on a US one. The keymap is what the keys really
// give, where the rules names on the root window can be stale.
std::optional<KeyboardLayout> KeymapLayout() {
    constexpr xcb_keycode_t kKeyRightOfL = 48;
    constexpr xcb_keysym_t kColon = 0x3a;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const xcb_get_keyboard_mapping_cookie_t cookie =
        xcb_get_keyboard_mapping(connection, kKeyRightOfL, 1);
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_keyboard_mapping_reply(connection, cookie, nullptr), &std::free);
    if (!mapping || xcb_get_keyboard_mapping_keysyms_length(mapping.get()) < 1) return std::nullopt;
    const xcb_keysym_t unshifted = xcb_get_keyboard_mapping_keysyms(mapping.get())[0];
    return unshifted == kColon ? KeyboardLayout::Japanese : KeyboardLayout::Us;
}

}  // namespace

// Without an X server (Wayland) the locale is the best guess.
KeyboardLayout DetectKeyboardLayout() {
    if (const auto layout = KeymapLayout()) return *layout;
    return QLocale::system().language() == QLocale::Japanese ? KeyboardLayout::Japanese
                                                             : KeyboardLayout::Us;
}

}  // namespace tomaro::platform::qt
