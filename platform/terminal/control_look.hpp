// What the terminal needs to know of a control template: which kind of thing to draw and how
// its text stands. The one place that reads the template's kinds, so a change in how
// templates describe controls is an edit here only.
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
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            return Look::Button;
        case ControlKind::ReadOnlyField:
            return Look::Field;
        case ControlKind::WhiteFrame:
            return Look::Framed;
        case ControlKind::Icon:
            return Look::Icon;
        case ControlKind::Label:
            break;
    }
    return Look::Label;
}

inline bool IsDefaultButton(const ControlTemplate& c) {
    return c.kind == ControlKind::DefaultPushButton;
}

inline bool AlignsRight(const ControlTemplate& c) {
    return c.kind == ControlKind::ReadOnlyField && c.align == Alignment::Right;
}

// "&" marks the next letter as the mnemonic, unless the control asks for its text as it is.
inline bool ShowsMnemonics(const ControlTemplate& c) {
    return !(c.kind == ControlKind::Label && c.literalAmpersands);
}

}  // namespace tomaro::platform::terminal
