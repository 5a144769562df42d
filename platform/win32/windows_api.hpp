// <windows.h> as this program includes it: without the macros that would rename its own
// names (IDOK and IDCANCEL are constants of resources.hpp, TextOut and LoadString are
// methods and functions of its own), and the UTF-8 <-> UTF-16 conversions at the API.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef IDOK
#undef IDCANCEL
#undef TextOut
#undef LoadString

#include <string>
#include <string_view>

namespace tomaro::platform::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace tomaro::platform::win32
