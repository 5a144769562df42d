// Draws dialogs and menus into a curses window: the frame and caption, buttons (focused in
// reverse video, disabled dim and dotted), read-only fields with their texts aligned as their
// template says, static texts, and the display's recorded drawing replayed into its cells.
#pragma once

#include <curses.h>

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/headless/headless_platform.hpp"
#include "platform/terminal/screen_layout.hpp"

namespace tomaro::platform::terminal {

void DrawDialog(WINDOW* w, const DialogTemplate& t, const headless::HeadlessWindow& window,
                const Placement& placement);

// selected: the highlighted item's index, -1 for none. Grayed items are drawn dim.
void DrawMenu(WINDOW* w, const headless::Popup& popup, int selected, const CellRect& box);

// What a terminal too small for the dialog shows: the size it needs and has, in as many
// lines as its width asks for, centred.
void DrawTooSmall(WINDOW* w, ScreenSize needed, ScreenSize screen);

// The text in lines of at most `width` characters (ASCII), broken between words; a word
// longer than a line is cut.
std::vector<std::string> WrapWords(std::string_view text, int width);

}  // namespace tomaro::platform::terminal
