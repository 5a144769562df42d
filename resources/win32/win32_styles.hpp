// The Windows style and extended-style bits of a dialog and its controls, derived from what
// the templates say they are. The one place that knows the bits: the resource script is
// written with it, and the Windows window is created from that script.
#pragma once

#include <cstdint>
#include <string_view>

#include "resources/dialog_template.hpp"

namespace tomaro {

struct Win32Styles {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    friend bool operator==(const Win32Styles&, const Win32Styles&) = default;
};

Win32Styles Win32StylesOf(const DialogTemplate& d);
Win32Styles Win32StylesOf(const ControlTemplate& c);

// The window class of a control: "Button", "Edit" or "Static".
std::string_view Win32ClassOf(ControlKind kind);

}  // namespace tomaro
