// What the terminal needs to know of a control template: which kind of thing to draw and how
// its text stands. The one place that reads the template's kinds and style bits, so a change
// in how templates describe controls is an edit here only.
#pragma once

#include "resources/dialog_template.hpp"

namespace tomaro::platform::terminal {

enum class Look {
    Button,
    Field,   // a read-only field: text in brackets
    Framed,  // a white, sunken area: the display
    Icon,    // the program's icon
    Label,   // static text
};

inline Look LookOf(const ControlTemplate& c) {
    switch (c.kind) {
        case ControlKind::Button:
            return Look::Button;
        case ControlKind::Edit:
            return Look::Field;
        case ControlKind::Static:
            break;
    }
    constexpr std::uint32_t kStaticTypeMask = 0x1F;
    const std::uint32_t type = c.style & kStaticTypeMask;
    if (type == style::kStaticIcon) return Look::Icon;
    if (type == style::kStaticWhiteRect) return Look::Framed;
    return Look::Label;
}

inline bool IsDefaultButton(const ControlTemplate& c) {
    constexpr std::uint32_t kButtonTypeMask = 0xF;
    return c.kind == ControlKind::Button &&
           (c.style & kButtonTypeMask) == style::kDefaultPushButton;
}

inline bool AlignsRight(const ControlTemplate& c) {
    return c.kind == ControlKind::Edit && c.has(style::kEditRight);
}

// "&" marks the next letter as the mnemonic, unless the control asks for its text as it is.
inline bool ShowsMnemonics(const ControlTemplate& c) {
    return !(c.kind == ControlKind::Static && c.has(style::kStaticNoPrefix));
}

}  // namespace tomaro::platform::terminal
