#include "platform/qt/window_frame.hpp"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace tomaro::platform::qt {
namespace {

// A manager answers at once; one that does not is not waited for longer than this.
constexpr auto kAnswerTime = std::chrono::milliseconds(100);

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Up to `count` 32-bit values of a property; empty if it is not set.
std::vector<uint32_t> Property(xcb_connection_t* connection, xcb_window_t window,
                               xcb_atom_t property, xcb_atom_t type, uint32_t count) {
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, count), nullptr),
        &std::free);
    if (!reply || reply->format != 32) return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

}  // namespace

QMargins ExpectedFrame(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection()) return {};
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Owned<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!geometry) return {};
    const xcb_window_t root = geometry->root;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const std::vector<uint32_t> supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 1024);
    if (std::find(supported.begin(), supported.end(), request) == supported.end()) return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    const auto deadline = std::chrono::steady_clock::now() + kAnswerTime;
    do {
        // Left, right, top, bottom, in the screen's pixels.
        if (const auto frame = Property(connection, id, extents, XCB_ATOM_CARDINAL, 4);
            frame.size() == 4) {
            const qreal ratio = window.devicePixelRatioF();
            const auto scaled = [ratio](uint32_t pixels) { return qRound(pixels / ratio); };
            return {scaled(frame[0]), scaled(frame[2]), scaled(frame[1]), scaled(frame[3])};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    } while (std::chrono::steady_clock::now() < deadline);
    return {};
}

}  // namespace tomaro::platform::qt
