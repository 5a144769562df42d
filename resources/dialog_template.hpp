// How a dialog is described: its controls by id, kind, caption and place in dialog units, and
// what each control is (a default button, a read-only field and its alignment, a tab stop).
// Each platform derives its own flags from that; the Windows style bits are derived in one
// place, win32/win32_styles.hpp, which the resource script is written with.
#pragma once

#include <span>
#include <string_view>

namespace tomaro {

struct DluRect {
    int x = 0, y = 0, width = 0, height = 0;
};

enum class ControlKind {
    PushButton,
    DefaultPushButton,  // the button that Enter presses; drawn with a heavier border
    ReadOnlyField,      // bordered one-line text that the program sets and the user can select
    WhiteFrame,         // a white rectangle that the program paints (the display)
    Icon,               // shows iconId at the standard icon size, whatever the rectangle says
    Label,              // static text
};

enum class Alignment { Left, Centre, Right };

inline constexpr int kNoId = -1;  // a control that nothing addresses

// Every control is visible from the start.
struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text = {};  // caption; an icon names its icon by iconId instead
    DluRect rect = {};
    bool tabStop = false;               // Tab stops on it, and the dialog focuses the first one
    bool group = false;                 // starts a group: arrow keys move within a group
    bool disabled = false;              // disabled until the program enables it
    bool sunkenEdge = false;            // framed by a sunken edge
    Alignment align = Alignment::Left;  // of a field's or a label's text
    bool scrolls = false;               // a field whose text may outgrow it scrolls sideways
    bool literalAmpersands = false;     // a label shows "&" as it is, not as a mnemonic mark
    int iconId = 0;
    // What a screen reader calls the control, where its caption does not say what it does;
    // empty: the caption.
    std::string_view accessibleName = {};

    bool IsButton() const {
        return kind == ControlKind::PushButton || kind == ControlKind::DefaultPushButton;
    }
};

// Every dialog is a fixed-size window with a title bar and a dialog frame, in the font it
// names.
struct DialogTemplate {
    int id;
    bool extended;  // stored as an extended template, which alone keeps controls' extended styles
    std::string_view caption;
    DluRect rect;
    bool visible;      // created visible (a modal dialog is shown either way)
    bool systemMenu;   // the window menu and the close button
    bool minimizeBox;  // can be minimised
    bool appWindow;    // its own taskbar entry even when owned
    std::string_view fontName;
    int fontPointSize;
    std::span<const ControlTemplate> controls;
};

// The template's size in pixels, from the dialog font's base units: the average width of
// the 52 Latin letters and the font's height. Rounded as the Windows dialog manager rounds.
struct BaseUnits {
    int horizontal;
    int vertical;
};
struct PixelRect {
    int x, y, width, height;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
PixelRect ToPixels(const DluRect& r, BaseUnits units);
// Average width as the dialog manager computes it from the 52 letters' total extent.
int HorizontalBaseUnit(int width_of_52_letters);
inline constexpr std::string_view kBaseUnitLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace tomaro
