// The calls into the page: each passes its numbers and texts to TomaroHost (web_host.js),
// where the work is done.
#include "platform/web/page.hpp"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

namespace tomaro::platform::web::page {
namespace {

// clang-format off
EM_JS(int, js_poll_event, (std::int32_t* out), {
    return TomaroHost.pollEvent(HEAP32, out >> 2);
});
EM_ASYNC_JS(void, js_wait_event, (), {
    await TomaroHost.waitEvent();
});
EM_JS(void, js_viewport, (std::int32_t* out), {
    TomaroHost.viewport(HEAP32, out >> 2);
});
EM_JS(void, js_measure_dialog_font, (double px, const char* text, int length, std::int32_t* out), {
    TomaroHost.measureDialogFont(px, UTF8ToString(text, length), HEAP32, out >> 2);
});
EM_JS(void, js_measure_canvas_text, (int window, int control, const char* text, int length,
                                     std::int32_t* out), {
    TomaroHost.measureCanvasText(window, control, UTF8ToString(text, length), HEAP32, out >> 2);
});
EM_JS(void, js_open_window, (int window, const char* caption, int length, int modal, int close_box), {
    TomaroHost.openWindow(window, UTF8ToString(caption, length), !!modal, !!close_box);
});
EM_JS(void, js_layout_window, (int window, int width, int height, double font_px), {
    TomaroHost.layoutWindow(window, width, height, font_px);
});
EM_JS(int, js_caption_height, (double font_px), {
    return TomaroHost.captionHeight(font_px);
});
EM_JS(void, js_canvas_size, (int window, int control, std::int32_t* out), {
    TomaroHost.canvasSize(window, control, HEAP32, out >> 2);
});
EM_JS(void, js_close_window, (int window), {
    TomaroHost.closeWindow(window);
});
EM_JS(void, js_create_control, (int window, int id, int kind, const char* text, int text_length,
                                const char* name, int name_length, int flags), {
    TomaroHost.createControl(window, id, kind, UTF8ToString(text, text_length),
                             UTF8ToString(name, name_length), flags);
});
EM_JS(void, js_place_control, (int window, int index, int x, int y, int width, int height,
                               double display_font_px), {
    TomaroHost.placeControl(window, index, x, y, width, height, display_font_px);
});
EM_JS(void, js_enable_control, (int window, int id, int enabled), {
    TomaroHost.enableControl(window, id, !!enabled);
});
EM_JS(void, js_focus_control, (int window, int id), {
    TomaroHost.focusControl(window, id);
});
EM_JS(int, js_focused_control, (int window), {
    return TomaroHost.focusedControl(window);
});
EM_JS(void, js_set_text, (int window, int id, const char* text, int length, int what), {
    TomaroHost.setText(window, id, UTF8ToString(text, length), what);
});
EM_JS(void, js_announce, (const char* text, int length), {
    TomaroHost.announce(UTF8ToString(text, length));
});
EM_JS(void, js_set_timer, (int window, int id, int ms), {
    TomaroHost.setTimer(window, id, ms);
});
EM_JS(void, js_kill_timer, (int window, int id), {
    TomaroHost.killTimer(window, id);
});
EM_JS(void, js_popup_menu, (int window, const char* items, int length, int x, int y), {
    TomaroHost.popupMenu(window, UTF8ToString(items, length), x, y);
});
EM_JS(void, js_client_origin, (int window, std::int32_t* out), {
    TomaroHost.clientOrigin(window, HEAP32, out >> 2);
});
EM_ASYNC_JS(char*, js_clipboard_text, (), {
    const text = await TomaroHost.clipboardText();
    const size = lengthBytesUTF8(text) + 1;
    const buffer = _malloc(size);
    stringToUTF8(text, buffer, size);
    return buffer;
});
EM_JS(void, js_set_clipboard_text, (const char* text, int length), {
    TomaroHost.setClipboardText(UTF8ToString(text, length));
});
EM_JS(void, js_draw, (int window, int control, const void* ops, int count), {
    TomaroHost.draw(window, control, HEAP32, ops >> 2, count);
});
EM_JS(void, js_show_ended, (), {
    TomaroHost.showEnded();
});
// clang-format on

int Length(std::string_view s) {
    return static_cast<int>(s.size());
}

enum TextTarget { kText = 0, kName = 1, kDescription = 2 };

}  // namespace

Event NextEvent() {
    std::int32_t record[5];
    while (!js_poll_event(record))
        js_wait_event();
    return {record[0], static_cast<EventKind>(record[1]), record[2], record[3], record[4]};
}

Viewport ViewportSize() {
    std::int32_t size[2];
    js_viewport(size);
    return {size[0], size[1]};
}

Extent MeasureDialogFont(double font_pixels, std::string_view utf8) {
    std::int32_t extent[2];
    js_measure_dialog_font(font_pixels, utf8.data(), Length(utf8), extent);
    return {extent[0], extent[1]};
}

Extent MeasureCanvasText(int window, int control, std::string_view utf8) {
    std::int32_t extent[2];
    js_measure_canvas_text(window, control, utf8.data(), Length(utf8), extent);
    return {extent[0], extent[1]};
}

void OpenWindow(int window, std::string_view caption, bool modal, bool close_box) {
    js_open_window(window, caption.data(), Length(caption), modal, close_box);
}

void LayoutWindow(int window, std::int32_t client_width, std::int32_t client_height,
                  double font_pixels) {
    js_layout_window(window, client_width, client_height, font_pixels);
}

std::int32_t CaptionHeight(double font_pixels) {
    return js_caption_height(font_pixels);
}

Extent CanvasSize(int window, int control) {
    std::int32_t size[2];
    js_canvas_size(window, control, size);
    return {size[0], size[1]};
}

void CloseWindow(int window) {
    js_close_window(window);
}

void CreateControl(int window, int id, int kind, std::string_view text, std::string_view name,
                   std::int32_t flags) {
    js_create_control(window, id, kind, text.data(), Length(text), name.data(), Length(name),
                      flags);
}

void PlaceControl(int window, int index, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, double display_font_pixels) {
    js_place_control(window, index, x, y, width, height, display_font_pixels);
}

void EnableControl(int window, int id, bool enabled) {
    js_enable_control(window, id, enabled);
}

void FocusControl(int window, int id) {
    js_focus_control(window, id);
}

int FocusedControl(int window) {
    return js_focused_control(window);
}

void SetControlText(int window, int id, std::string_view utf8) {
    js_set_text(window, id, utf8.data(), Length(utf8), kText);
}

void SetAccessibleName(int window, int id, std::string_view utf8) {
    js_set_text(window, id, utf8.data(), Length(utf8), kName);
}

void SetAccessibleDescription(int window, int id, std::string_view utf8) {
    js_set_text(window, id, utf8.data(), Length(utf8), kDescription);
}

void Announce(std::string_view utf8) {
    js_announce(utf8.data(), Length(utf8));
}

void SetTimer(int window, int timer_id, int milliseconds) {
    js_set_timer(window, timer_id, milliseconds);
}

void KillTimer(int window, int timer_id) {
    js_kill_timer(window, timer_id);
}

void PopupMenu(int window, std::string_view items, std::int32_t x, std::int32_t y) {
    js_popup_menu(window, items.data(), Length(items), x, y);
}

Point2 ClientOrigin(int window) {
    std::int32_t origin[2];
    js_client_origin(window, origin);
    return {origin[0], origin[1]};
}

std::string ClipboardText() {
    const std::unique_ptr<char, decltype(&std::free)> text(js_clipboard_text(), &std::free);
    return text ? std::string(text.get()) : std::string();
}

void SetClipboardText(std::string_view utf8) {
    js_set_clipboard_text(utf8.data(), Length(utf8));
}

void Draw(int window, int control, const void* ops, std::int32_t count) {
    js_draw(window, control, ops, count);
}

void ShowEnded() {
    js_show_ended();
}

}  // namespace tomaro::platform::web::page
