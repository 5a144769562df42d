// What the web host asks of its page (web_host.js): windows and their controls as HTML
// elements, the display's canvas, timers, the clipboard, the live regions, and the queue of
// what the user did. Text crosses as UTF-8; lengths and positions are CSS pixels.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tomaro::platform::web::page {

// What the page queues for the program, one record of five numbers each.
enum class EventKind : std::int32_t {
    Click = 1,        // a: control id
    Command = 2,      // a: command id (a menu item, or Cancel from a close box)
    KeyDown = 3,      // a: virtual-key code, b: Ctrl held, c: Shift held
    ContextMenu = 4,  // a, b: the point in page coordinates, or -1, -1 from the keyboard
    Timer = 5,        // a: timer id
    Activate = 6,     // a: 1 active, 0 inactive
    Layout = 7,       // the viewport or its pixel density changed
    Restart = 8,      // the page asks for the calculator again after it ended
};

struct Event {
    std::int32_t window = 0;  // 0 for the page itself
    EventKind kind = EventKind::Layout;
    std::int32_t a = 0, b = 0, c = 0;
};

// The next event: at once if one is queued, else when the user does something. While the
// program waits here the page goes on running; nothing else of the program runs meanwhile.
Event NextEvent();

struct Viewport {
    std::int32_t width = 0, height = 0;
};
Viewport ViewportSize();

// The width of the 52 base-unit letters and the line height of the dialog font at a size.
struct Extent {
    std::int32_t cx = 0, cy = 0;
};
Extent MeasureDialogFont(double font_pixels, std::string_view utf8);
// The extent of a text in a control's canvas font.
Extent MeasureCanvasText(int window, int control, std::string_view utf8);

// The frame, its caption bar and the client area of the given size; a modal window opens
// over the others, which stop taking input.
void OpenWindow(int window, std::string_view caption, bool modal, bool close_box);
// The frame around the client area: a caption bar of this height over it, a border round both.
inline constexpr std::int32_t kFrameBorder = 1;
std::int32_t CaptionHeight(double font_pixels);
void LayoutWindow(int window, std::int32_t client_width, std::int32_t client_height,
                  double font_pixels);
void CloseWindow(int window);

// flags: what the control is beyond its kind.
enum ControlFlags : std::int32_t {
    kTabStop = 1,
    kDisabled = 2,
    kSunkenEdge = 4,
    kScrolls = 8,
    kLiteralAmpersands = 16,
    kAlignCentre = 32,
    kAlignRight = 64,
};
void CreateControl(int window, int id, int kind, std::string_view text, std::string_view name,
                   std::int32_t flags);
// In template order, as created; the display's canvas takes the client size and the density.
void PlaceControl(int window, int index, std::int32_t x, std::int32_t y, std::int32_t width,
                  std::int32_t height, double display_font_pixels);

// The size of a control's canvas inside its edge.
Extent CanvasSize(int window, int control);

void EnableControl(int window, int id, bool enabled);
void FocusControl(int window, int id);
// The control that has the keyboard focus in the window, or 0.
int FocusedControl(int window);
void SetControlText(int window, int id, std::string_view utf8);
void SetAccessibleName(int window, int id, std::string_view utf8);
void SetAccessibleDescription(int window, int id, std::string_view utf8);
void Announce(std::string_view utf8);

void SetTimer(int window, int timer_id, int milliseconds);
void KillTimer(int window, int timer_id);

// Items as "id\ttext\tdisabled" lines; a separator is "0\t\t0".
void PopupMenu(int window, std::string_view items, std::int32_t x, std::int32_t y);
struct Point2 {
    std::int32_t x = 0, y = 0;
};
Point2 ClientOrigin(int window);

// Reads the clipboard: the program waits for the answer (empty where the page may not read
// it or it holds no text).
std::string ClipboardText();
void SetClipboardText(std::string_view utf8);

// Drawing operations in a control's canvas, all at once; see WebDeviceContext.
void Draw(int window, int control, const void* ops, std::int32_t count);

// After the program ended: the page says so and offers to start it again.
void ShowEnded();

}  // namespace tomaro::platform::web::page
