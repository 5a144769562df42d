// Where dialogs and menus stand on the terminal. A dialog is a box: one column of frame each
// side, its caption on the top row and a bottom edge where the terminal has rows for them
// (the calculator fits 80 x 23, what tmux leaves of 80 x 24 under its status line, without
// either); it is centred. Screen points (as menus and the dialog's logic see them) count in the
// display's pixels from the top-left corner of the first dialog's box, so they stay valid
// when a resize moves it.
#pragma once

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/terminal/cell_rule.hpp"

namespace tomaro::platform::terminal {

struct ScreenSize {
    int cols = 0, rows = 0;
};

struct Placement {
    CellRect box;     // frame, caption and bottom edge (when shown) included
    CellRect client;  // the template's area
    Squeeze squeeze;  // how its columns are narrowed to fit (the About box at 80 columns)
    bool caption = false;
    bool bottom_edge = false;

    // A control's cells on the screen.
    CellRect Place(const ControlTemplate& c) const;
};

// The smallest terminal that shows the dialog as the rule lays it out.
ScreenSize MinimumSize(const DialogTemplate& t);
Placement PlaceDialog(const DialogTemplate& t, ScreenSize screen);

// The pixel point of a cell, relative to the anchor cell (the first dialog's box), and back.
Point PointOfCell(int col, int row, CellRect anchor);
std::pair<int, int> CellOfPoint(Point p, CellRect anchor);

// A popup menu's box: its items one a row between a top and a bottom edge, with its top-left
// corner at the point's cell, moved in as far as the screen needs.
CellRect MenuBox(std::span<const std::pair<int, std::string>> items, Point at, CellRect anchor,
                 ScreenSize screen);

}  // namespace tomaro::platform::terminal
