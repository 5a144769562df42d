#include "resources/win32/win32_styles.hpp"

namespace tomaro {
namespace {

// Values as the Windows headers give them; written out, since the resource script is also
// written on Linux.
constexpr std::uint32_t WS_POPUP = 0x80000000;
constexpr std::uint32_t WS_CHILD = 0x40000000;
constexpr std::uint32_t WS_VISIBLE = 0x10000000;
constexpr std::uint32_t WS_DISABLED = 0x08000000;
constexpr std::uint32_t WS_CAPTION = 0x00C00000;
constexpr std::uint32_t WS_BORDER = 0x00800000;
constexpr std::uint32_t WS_SYSMENU = 0x00080000;
constexpr std::uint32_t WS_GROUP = 0x00020000;
constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000;  // in a top-level window's bits
constexpr std::uint32_t WS_TABSTOP = 0x00010000;
constexpr std::uint32_t DS_MODALFRAME = 0x00000080;
constexpr std::uint32_t DS_SETFONT = 0x00000040;
constexpr std::uint32_t BS_PUSHBUTTON = 0x0;
constexpr std::uint32_t BS_DEFPUSHBUTTON = 0x1;
constexpr std::uint32_t ES_CENTER = 0x0001;
constexpr std::uint32_t ES_RIGHT = 0x0002;
constexpr std::uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr std::uint32_t ES_READONLY = 0x0800;
constexpr std::uint32_t SS_CENTER = 0x0001;
constexpr std::uint32_t SS_RIGHT = 0x0002;
constexpr std::uint32_t SS_ICON = 0x0003;
constexpr std::uint32_t SS_WHITERECT = 0x0006;
constexpr std::uint32_t SS_NOPREFIX = 0x0080;
constexpr std::uint32_t WS_EX_CLIENTEDGE = 0x00000200;
constexpr std::uint32_t WS_EX_APPWINDOW = 0x00040000;

std::uint32_t Bit(bool on, std::uint32_t bit) {
    return on ? bit : 0;
}

std::uint32_t AlignmentBits(Alignment a, std::uint32_t centre, std::uint32_t right) {
    switch (a) {
        case Alignment::Left:
            return 0;
        case Alignment::Centre:
            return centre;
        case Alignment::Right:
            return right;
    }
    return 0;
}

std::uint32_t KindBits(const ControlTemplate& c) {
    switch (c.kind) {
        case ControlKind::PushButton:
            return BS_PUSHBUTTON;
        case ControlKind::DefaultPushButton:
            return BS_DEFPUSHBUTTON;
        case ControlKind::ReadOnlyField:
            return WS_BORDER | ES_READONLY | AlignmentBits(c.align, ES_CENTER, ES_RIGHT) |
                   Bit(c.scrolls, ES_AUTOHSCROLL);
        case ControlKind::WhiteFrame:
            return SS_WHITERECT;
        case ControlKind::Icon:
            return SS_ICON;
        case ControlKind::Label:
            return AlignmentBits(c.align, SS_CENTER, SS_RIGHT) |
                   Bit(c.literalAmpersands, SS_NOPREFIX);
    }
    return 0;
}

}  // namespace

Win32Styles Win32StylesOf(const DialogTemplate& d) {
    return {WS_POPUP | WS_CAPTION | DS_MODALFRAME | Bit(!d.fontName.empty(), DS_SETFONT) |
                Bit(d.visible, WS_VISIBLE) | Bit(d.systemMenu, WS_SYSMENU) |
                Bit(d.minimizeBox, WS_MINIMIZEBOX),
            Bit(d.appWindow, WS_EX_APPWINDOW)};
}

Win32Styles Win32StylesOf(const ControlTemplate& c) {
    return {WS_CHILD | WS_VISIBLE | KindBits(c) | Bit(c.tabStop, WS_TABSTOP) |
                Bit(c.group, WS_GROUP) | Bit(c.disabled, WS_DISABLED),
            Bit(c.sunkenEdge, WS_EX_CLIENTEDGE)};
}

std::string_view Win32ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            return "Button";
        case ControlKind::ReadOnlyField:
            return "Edit";
        case ControlKind::WhiteFrame:
        case ControlKind::Icon:
        case ControlKind::Label:
            return "Static";
    }
    return "Static";
}

}  // namespace tomaro
