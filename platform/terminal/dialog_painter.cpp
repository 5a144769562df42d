#include "platform/terminal/dialog_painter.hpp"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "platform/terminal/cell_text.hpp"
#include "platform/terminal/control_look.hpp"
#include "platform/terminal/terminal_text.hpp"

namespace tomaro::platform::terminal {
namespace {

enum class Edge { Line, Dotted };

// A box drawn with the terminal's line characters, blank inside; a dotted one keeps its
// corners and dots its edges.
void DrawBox(WINDOW* w, const CellRect& r, attr_t attrs, Edge edge = Edge::Line) {
    if (r.cols < 2 || r.rows < 2) return;
    const int right = r.col + r.cols - 1;
    const int bottom = r.row + r.rows - 1;
    const cchar_t* across = LineCell(edge == Edge::Line ? Line::Across : Line::DottedAcross);
    const cchar_t* down = LineCell(edge == Edge::Line ? Line::Down : Line::DottedDown);
    PutRun(w, r.row, r.col, 1, LineCell(Line::TopLeft), attrs);
    PutRun(w, r.row, r.col + 1, r.cols - 2, across, attrs);
    PutRun(w, r.row, right, 1, LineCell(Line::TopRight), attrs);
    for (int row = r.row + 1; row < bottom; ++row) {
        PutRun(w, row, r.col, 1, down, attrs);
        PutRun(w, row, r.col + 1, r.cols - 2, BlankCell(), attrs);
        PutRun(w, row, right, 1, down, attrs);
    }
    PutRun(w, bottom, r.col, 1, LineCell(Line::BottomLeft), attrs);
    PutRun(w, bottom, r.col + 1, r.cols - 2, across, attrs);
    PutRun(w, bottom, right, 1, LineCell(Line::BottomRight), attrs);
}

void FillBlank(WINDOW* w, const CellRect& r, attr_t attrs) {
    for (int row = r.row; row < r.row + r.rows; ++row)
        PutRun(w, row, r.col, r.cols, BlankCell(), attrs);
}

// A text centred in the columns [left, right) of a row, its mnemonic underlined.
void PutCentred(WINDOW* w, int row, int left, int right, const ShownText& shown, attr_t attrs) {
    const int cells = CellsOf(shown.text);
    const int col = left + std::max(0, (right - left - cells) / 2);
    PutText(w, row, col, shown.text, left, right, attrs);
    if (shown.mnemonic_cell >= 0)
        PutText(w, row, col + shown.mnemonic_cell, std::string(1, shown.mnemonic), left, right,
                attrs | A_UNDERLINE);
}

// A disabled button is dim where the terminal can dim, and dotted in every terminal.
attr_t ButtonAttributes(const ControlTemplate& c, const headless::HeadlessWindow& window,
                        bool enabled) {
    attr_t attrs = A_NORMAL;
    if (IsDefaultButton(c)) attrs |= A_BOLD;
    if (!enabled) attrs |= A_DIM;
    if (c.id != kNoId && window.Focus() == c.id) attrs |= A_REVERSE;
    return attrs;
}

// A button three rows high or more is a box with its caption on the middle row; a lower one
// is its caption in brackets.
void DrawButton(WINDOW* w, const ControlTemplate& c, const CellRect& r,
                const headless::HeadlessWindow& window) {
    const bool enabled = c.id == kNoId || window.IsEnabled(c.id);
    const attr_t attrs = ButtonAttributes(c, window, enabled);
    const int middle = r.row + (r.rows - 1) / 2;
    const ShownText caption =
        WithoutMnemonics(c.id != kNoId ? window.Text(c.id) : std::string(c.text));
    if (r.rows >= 3) {
        DrawBox(w, r, attrs, enabled ? Edge::Line : Edge::Dotted);
    } else {
        FillBlank(w, r, attrs);
        const cchar_t* dot = LineCell(Line::DottedDown);
        if (enabled) {
            PutText(w, middle, r.col, "[", r.col, r.col + r.cols, attrs);
            PutText(w, middle, r.col + r.cols - 1, "]", r.col, r.col + r.cols, attrs);
        } else {
            PutRun(w, middle, r.col, 1, dot, attrs);
            PutRun(w, middle, r.col + r.cols - 1, 1, dot, attrs);
        }
    }
    PutCentred(w, middle, r.col + 1, r.col + r.cols - 1, caption, attrs);
}

void DrawField(WINDOW* w, const ControlTemplate& c, const CellRect& r,
               const headless::HeadlessWindow& window) {
    const int row = r.row + (r.rows - 1) / 2;
    const int left = r.col + 1;
    const int right = r.col + r.cols - 1;
    PutText(w, row, r.col, "[", r.col, r.col + r.cols, A_NORMAL);
    PutText(w, row, right, "]", r.col, r.col + r.cols, A_NORMAL);
    const std::string& text = window.Text(c.id);
    const int cells = CellsOf(text);
    // Too long a text shows its beginning, as a field scrolled to its start does.
    const int col = AlignsRight(c) && cells <= right - left ? right - cells : left;
    PutText(w, row, col, text, left, right, A_NORMAL);
}

// The display's bar, if it drew one: its row and first column within the display.
struct Bar {
    int row = -1;
    int col = 0;
};

Bar BarOf(std::span<const PaintOp> ops) {
    for (const PaintOp& op : ops)
        if (op.kind == PaintOp::Line && op.b == op.d)
            return {CellRowOfPixel(op.b), CellColumnOfPixel(std::min(op.a, op.c))};
    return {};
}

// Replays the control's last drawing into the cells inside its frame. A text on the bar's
// row is a mixed number's whole part: it goes up to the numerator's row, a blank cell left
// of the bar, so that the rows read in order ("2 1" over the bar over "3") and it never
// touches the bar.
void DrawRecording(WINDOW* w, std::span<const PaintOp> ops, const CellRect& inner) {
    const int left = inner.col;
    const int right = inner.col + inner.cols;
    const auto row_inside = [&](int row) {
        return row >= inner.row && row < inner.row + inner.rows;
    };
    const Bar bar = BarOf(ops);
    TextAlign align = ALIGN_LEFT;
    for (const PaintOp& op : ops) {
        switch (op.kind) {
            case PaintOp::Fill:
                FillBlank(w, inner, A_NORMAL);  // the display fills all of itself
                break;
            case PaintOp::Align:
                align = AlignOfRecorded(op.a);
                break;
            case PaintOp::Text: {
                const int cells = CellsOf(op.text);
                int col = CellColumnOfPixel(TextLeftPixel(op.a, align, cells));
                int row = CellRowOfPixel(op.b);
                if (row == bar.row && row > 0) {
                    --row;
                    col = std::min(col, bar.col - 1 - cells);
                }
                if (row_inside(inner.row + row))
                    PutText(w, inner.row + row, left + col, op.text, left, right, A_NORMAL);
                break;
            }
            case PaintOp::Line: {
                const int row = inner.row + CellRowOfPixel(op.b);
                if (op.b != op.d || !row_inside(row)) break;  // the display draws its bar only
                const int from = left + CellColumnOfPixel(std::min(op.a, op.c));
                const int to = left + CellColumnOfPixel(std::max(op.a, op.c) - 1) + 1;
                const int a = std::max(from, left), b = std::min(to, right);
                if (b > a) PutRun(w, row, a, b - a, LineCell(Line::Across), A_NORMAL);
                break;
            }
        }
    }
}

void DrawFramed(WINDOW* w, const ControlTemplate& c, const CellRect& r,
                const headless::HeadlessWindow& window) {
    DrawBox(w, r, A_NORMAL);
    if (c.id != kNoId)
        DrawRecording(w, window.LastDrawing(c.id), {r.col + 1, r.row + 1, r.cols - 2, r.rows - 2});
}

void DrawIcon(WINDOW* w, const CellRect& r) {
    FillBlank(w, r, A_REVERSE);
    PutCentred(w, r.row + (r.rows - 1) / 2, r.col, r.col + r.cols, {std::string(IconText())},
               A_REVERSE);
}

void DrawLabel(WINDOW* w, const ControlTemplate& c, const CellRect& r,
               const headless::HeadlessWindow& window) {
    const std::string text = c.id != kNoId ? window.Text(c.id) : std::string(c.text);
    const ShownText shown = ShowsMnemonics(c) ? WithoutMnemonics(text) : ShownText{text};
    PutText(w, r.row, r.col, shown.text, r.col, r.col + r.cols, A_NORMAL);
}

void DrawFrame(WINDOW* w, const DialogTemplate& t, const Placement& p) {
    const CellRect& box = p.box;
    FillBlank(w, box, A_NORMAL);
    if (p.bottom_edge && p.caption)
        DrawBox(w, box, A_NORMAL);
    else {
        for (int row = box.row; row < box.row + box.rows; ++row) {
            PutRun(w, row, box.col, 1, LineCell(Line::Down), A_NORMAL);
            PutRun(w, row, box.col + box.cols - 1, 1, LineCell(Line::Down), A_NORMAL);
        }
    }
    if (!p.caption) return;
    PutRun(w, box.row, box.col, box.cols, BlankCell(), A_REVERSE);
    PutText(w, box.row, box.col + 1, t.caption, box.col + 1, box.col + box.cols - 1, A_REVERSE);
}

}  // namespace

void DrawDialog(WINDOW* w, const DialogTemplate& t, const headless::HeadlessWindow& window,
                const Placement& placement) {
    DrawFrame(w, t, placement);
    for (const ControlTemplate& c : t.controls) {
        const CellRect r = placement.Place(c);
        switch (LookOf(c)) {
            case Look::Button:
                DrawButton(w, c, r, window);
                break;
            case Look::Field:
                DrawField(w, c, r, window);
                break;
            case Look::Framed:
                DrawFramed(w, c, r, window);
                break;
            case Look::Icon:
                DrawIcon(w, r);
                break;
            case Look::Label:
                DrawLabel(w, c, r, window);
                break;
        }
    }
}

void DrawMenu(WINDOW* w, const headless::Popup& popup, int selected, const CellRect& box) {
    const auto& items = popup.items;
    DrawBox(w, box, A_NORMAL);
    const int left = box.col + 1;
    const int right = box.col + box.cols - 1;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const int row = box.row + 1 + i;
        const auto& [id, text] = items[static_cast<std::size_t>(i)];
        if (id == 0) {
            PutRun(w, row, box.col, 1, LineCell(Line::LeftTee), A_NORMAL);
            PutRun(w, row, left, right - left, LineCell(Line::Across), A_NORMAL);
            PutRun(w, row, right, 1, LineCell(Line::RightTee), A_NORMAL);
            continue;
        }
        const bool grayed =
            std::find(popup.disabled.begin(), popup.disabled.end(), id) != popup.disabled.end();
        const attr_t attrs = (i == selected ? A_REVERSE : A_NORMAL) | (grayed ? A_DIM : A_NORMAL);
        PutRun(w, row, left, right - left, BlankCell(), attrs);
        const ShownText shown = WithoutMnemonics(text);
        PutText(w, row, left + 1, shown.text, left, right, attrs);
        if (shown.mnemonic_cell >= 0)
            PutText(w, row, left + 1 + shown.mnemonic_cell, std::string(1, shown.mnemonic), left,
                    right, attrs | A_UNDERLINE);
    }
}

void DrawTooSmall(WINDOW* w, ScreenSize needed, ScreenSize screen) {
    const std::string message = "Tomaro needs at least " + std::to_string(needed.cols) + "x" +
                                std::to_string(needed.rows) + " cells; this terminal has " +
                                std::to_string(screen.cols) + "x" + std::to_string(screen.rows) +
                                ". Enlarge it, or press Ctrl+C to end Tomaro.";
    const std::vector<std::string> lines = WrapWords(message, screen.cols);
    const int top = std::max(0, (screen.rows - static_cast<int>(lines.size())) / 2);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int col = std::max(0, (screen.cols - static_cast<int>(lines[i].size())) / 2);
        PutText(w, top + static_cast<int>(i), col, lines[i], 0, screen.cols, A_BOLD);
    }
}

std::vector<std::string> WrapWords(std::string_view text, int width) {
    std::vector<std::string> lines;
    if (width <= 0) return lines;
    const auto limit = static_cast<std::size_t>(width);
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view word = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.size() + 1 + word.size() > limit) {
            lines.push_back(std::move(line));
            line.clear();
        }
        if (!line.empty()) line += ' ';
        // A word wider than the line is cut into pieces that fill it.
        while (line.size() + word.size() > limit) {
            const std::size_t room = limit - line.size();
            line += word.substr(0, room);
            word.remove_prefix(room);
            lines.push_back(std::move(line));
            line.clear();
        }
        line += word;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace tomaro::platform::terminal
