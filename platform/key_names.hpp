// The names people know keys by ("Backspace", "keypad +", "F9"), for the tables that tell
// them which key does what. Punctuation keys of the main row are named by their caps on a
// Japanese keyboard, the layout the key map follows (the ";+" key is "=+" on a US one).
#pragma once

#include <string>

#include "platform/virtual_keys.hpp"

namespace tomaro::vk {

inline std::string Name(int code) {
    switch (code) {
        case kBack:
            return "Backspace";
        case kReturn:
            return "Enter";
        case kEscape:
            return "Escape";
        case kEnd:
            return "End";
        case kHome:
            return "Home";
        case kLeft:
            return "Left";
        case kUp:
            return "Up";
        case kRight:
            return "Right";
        case kDown:
            return "Down";
        case kInsert:
            return "Insert";
        case kDelete:
            return "Delete";
        case kMultiply:
            return "keypad *";
        case kAdd:
            return "keypad +";
        case kSubtract:
            return "keypad -";
        case kDecimal:
            return "keypad .";
        case kDivide:
            return "keypad /";
        case kOem1:
            return ":* key";
        case kOemPlus:
            return ";+ key";
        case kOemMinus:
            return "-= key";
        case kOemPeriod:
            return ".> key";
        case kOem2:
            return "/? key";
    }
    if ((code >= Digit(0) && code <= Digit(9)) || (code >= Letter('A') && code <= Letter('Z'))) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= Numpad(0) && code <= Numpad(9)) return "keypad " + std::to_string(code - Numpad(0));
    if (code >= Function(1) && code <= Function(24))
        return "F" + std::to_string(code - Function(1) + 1);
    return "virtual key " + std::to_string(code);
}

}  // namespace tomaro::vk
