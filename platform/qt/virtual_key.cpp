#include "platform/qt/virtual_key.hpp"

#include <Qt>

#include "platform/layout_keys.hpp"
#include "platform/virtual_keys.hpp"

namespace tomaro::platform::qt {
namespace {

// X keycodes of the main-row digit keys: 10 is "1", ..., 18 is "9", 19 is "0".
constexpr std::uint32_t kMainRowFirst = 10;
constexpr std::uint32_t kMainRowLast = 19;
// The Japanese keyboard's "\ _" key beside the right Shift (VK_OEM_102).
constexpr std::uint32_t kJapaneseRoKey = 97;

struct KeyRow {
    int qt_key;
    int vk;
};

constexpr KeyRow kNamedKeys[] = {
    {Qt::Key_Backspace, vk::kBack},  {Qt::Key_Tab, vk::kTab},
    {Qt::Key_Backtab, vk::kTab},     {Qt::Key_Clear, vk::kClear},
    {Qt::Key_Return, vk::kReturn},   {Qt::Key_Enter, vk::kReturn},
    {Qt::Key_Shift, vk::kShift},     {Qt::Key_Control, vk::kControl},
    {Qt::Key_Pause, vk::kPause},     {Qt::Key_CapsLock, vk::kCapital},
    {Qt::Key_Escape, vk::kEscape},   {Qt::Key_Space, vk::kSpace},
    {Qt::Key_PageUp, vk::kPrior},    {Qt::Key_PageDown, vk::kNext},
    {Qt::Key_End, vk::kEnd},         {Qt::Key_Home, vk::kHome},
    {Qt::Key_Left, vk::kLeft},       {Qt::Key_Up, vk::kUp},
    {Qt::Key_Right, vk::kRight},     {Qt::Key_Down, vk::kDown},
    {Qt::Key_Print, vk::kSnapshot},  {Qt::Key_Insert, vk::kInsert},
    {Qt::Key_Delete, vk::kDelete},   {Qt::Key_Menu, vk::kApps},
    {Qt::Key_NumLock, vk::kNumLock}, {Qt::Key_ScrollLock, vk::kScroll},
};

int KeypadKey(int qt_key) {
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) return vk::Numpad(qt_key - Qt::Key_0);
    switch (qt_key) {
        case Qt::Key_Asterisk:
            return vk::kMultiply;
        case Qt::Key_Plus:
            return vk::kAdd;
        case Qt::Key_Minus:
            return vk::kSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return vk::kDecimal;  // the decimal key, whichever mark it prints
        case Qt::Key_Slash:
            return vk::kDivide;
        default:
            return 0;
    }
}

}  // namespace

int VirtualKeyOf(int qt_key, bool keypad, std::uint32_t native_scan_code, KeyboardLayout layout) {
    if (keypad) {
        if (const int code = KeypadKey(qt_key)) return code;
        // Keypad Enter, and the keypad's navigation keys with Num Lock off, are the same
        // keys as elsewhere.
    } else if (native_scan_code >= kMainRowFirst && native_scan_code <= kMainRowLast) {
        // Whatever the shift state makes of a main-row digit key, Windows reports its digit.
        const std::uint32_t digit = (native_scan_code - kMainRowFirst + 1) % 10;
        return vk::Digit(static_cast<int>(digit));
    }

    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24)
        return vk::Function(1) + (qt_key - Qt::Key_F1);

    for (const KeyRow& row : kNamedKeys)
        if (row.qt_key == qt_key) return row.vk;

    // The other keys Qt names by their character: Qt::Key_A is 'A', Qt::Key_Colon ':'.
    return CharacterKey(static_cast<char32_t>(qt_key), layout, native_scan_code == kJapaneseRoKey);
}

}  // namespace tomaro::platform::qt
