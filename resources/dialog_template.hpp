// How a dialog is described: its controls by id, kind, caption, place in dialog units and
// styles. Style bits carry the values the Windows resource compiler writes, so one
// description serves every platform and the resource script alike.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tomaro {

struct DluRect {
    int x = 0, y = 0, width = 0, height = 0;
};

enum class ControlKind { Button, Edit, Static };

// Style bits, named after what they mean; values as the Windows headers give them.
namespace style {
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kPopup = 0x80000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kSystemMenu = 0x00080000;
inline constexpr std::uint32_t kMinimizeBox = 0x00020000;
inline constexpr std::uint32_t kModalFrame = 0x00000080;  // DS_MODALFRAME
inline constexpr std::uint32_t kSetFont = 0x00000040;     // DS_SETFONT
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kTabStop = 0x00010000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kPushButton = 0x0;         // BS_PUSHBUTTON
inline constexpr std::uint32_t kDefaultPushButton = 0x1;  // BS_DEFPUSHBUTTON
inline constexpr std::uint32_t kEditRight = 0x0002;       // ES_RIGHT
inline constexpr std::uint32_t kEditAutoHScroll = 0x0080;
inline constexpr std::uint32_t kEditReadOnly = 0x0800;
inline constexpr std::uint32_t kStaticLeft = 0x0000;
inline constexpr std::uint32_t kStaticIcon = 0x0003;
inline constexpr std::uint32_t kStaticWhiteRect = 0x0006;
inline constexpr std::uint32_t kStaticNoPrefix = 0x0080;
inline constexpr std::uint32_t kExClientEdge = 0x00000200;
inline constexpr std::uint32_t kExAppWindow = 0x00040000;
}  // namespace style

inline constexpr int kNoId = -1;  // a control that nothing addresses

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;  // caption, or for an icon static the icon's resource name
    DluRect rect;
    std::uint32_t style;
    std::uint32_t exStyle = 0;
    int iconId = 0;  // the icon an icon static shows

    bool has(std::uint32_t bits) const { return (style & bits) == bits; }
};

struct DialogTemplate {
    int id;
    bool extended;
    std::string_view caption;
    DluRect rect;
    std::uint32_t style;
    std::uint32_t exStyle;
    std::string_view fontName;
    int fontPointSize;
    std::span<const ControlTemplate> controls;

    bool has(std::uint32_t bits) const { return (style & bits) == bits; }
    const ControlTemplate* control(int control_id) const;
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

}  // namespace tomaro
