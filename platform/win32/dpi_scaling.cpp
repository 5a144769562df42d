#include "platform/win32/dpi_scaling.hpp"

#include <algorithm>
#include <string>

namespace tomaro::platform::win32 {
namespace {

// The system font's character cell on a 96-DPI screen (VGA's), what the display was laid out
// for. Windows does not scale the system font with each monitor, and scales it only in steps
// with the system DPI, so the display asks for this cell scaled instead.
constexpr int kSystemFontHeightAt96 = 16;
constexpr int kSystemFontWidthAt96 = 7;

// A function of user32.dll that older versions of Windows lack, or null.
template <typename Pointer>
Pointer UserFunction(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    // Through a pointer to a function without parameters, the type every function pointer
    // converts to and from.
    return reinterpret_cast<Pointer>(reinterpret_cast<void (*)()>(found));
}

int Scaled(int pixels_at_96, UINT dpi) {
    return MulDiv(pixels_at_96, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

// The dialog manager's base units of a font: the average width of the 52 Latin letters and
// the font's height.
BaseUnits BaseUnitsOf(HFONT font) {
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const std::wstring letters = Widen(kBaseUnitLetters);
    SIZE extent{};
    GetTextExtentPoint32W(dc, letters.c_str(), static_cast<int>(letters.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {HorizontalBaseUnit(static_cast<int>(extent.cx)), static_cast<int>(metrics.tmHeight)};
}

SIZE WindowSize(HWND dialog, const DialogTemplate& t, BaseUnits units, UINT dpi) {
    const PixelRect client = ToPixels(t.rect, units);
    RECT frame{0, 0, client.width, client.height};
    const auto style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE));
    const auto ex_style = static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE));
    // The frame and caption at the new DPI; before Windows 10, the system's.
    static const auto adjust =
        UserFunction<decltype(&AdjustWindowRectExForDpi)>("AdjustWindowRectExForDpi");
    if (!adjust || !adjust(&frame, style, FALSE, ex_style, dpi))
        AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

UINT WindowDpi(HWND window) {
    static const auto for_window = UserFunction<decltype(&GetDpiForWindow)>("GetDpiForWindow");
    if (for_window) {
        if (const UINT dpi = for_window(window); dpi != 0) return dpi;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

void TakeOverDpiScaling(HWND dialog) {
    static const auto set_behaviour =
        UserFunction<decltype(&SetDialogDpiChangeBehavior)>("SetDialogDpiChangeBehavior");
    if (set_behaviour) set_behaviour(dialog, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

HFONT CreateDialogFont(HWND dialog, const DialogTemplate& t, UINT dpi) {
    LOGFONTW font{};
    const auto own = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (!own || GetObjectW(own, sizeof font, &font) == 0) {
        font = LOGFONTW{};
        font.lfCharSet = DEFAULT_CHARSET;
        const std::wstring face = Widen(t.fontName);
        face.copy(font.lfFaceName, LF_FACESIZE - 1);
    }
    // As the dialog manager sizes it: the point size at the DPI, as a character height.
    font.lfHeight = -MulDiv(t.fontPointSize, static_cast<int>(dpi), 72);
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

SIZE ScaledWindowSize(HWND dialog, const DialogTemplate& t, UINT dpi) {
    HFONT font = CreateDialogFont(dialog, t, dpi);
    const SIZE size = WindowSize(dialog, t, BaseUnitsOf(font), dpi);
    DeleteObject(font);
    return size;
}

void LayOutDialog(HWND dialog, const DialogTemplate& t, HFONT font, UINT dpi, POINT position) {
    const BaseUnits units = BaseUnitsOf(font);
    // The dialog manager creates the controls in the template's order, which stays their
    // order among the dialog's children (the tab order).
    std::size_t i = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child && i < t.controls.size();
         child = GetWindow(child, GW_HWNDNEXT), ++i) {
        const ControlTemplate& c = t.controls[i];
        const PixelRect r = ToPixels(c.rect, units);
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (c.kind == ControlKind::Icon) flags |= SWP_NOSIZE;  // sized by its icon
        SetWindowPos(child, nullptr, r.x, r.y, r.width, r.height, flags);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    const SIZE size = WindowSize(dialog, t, units, dpi);
    SetWindowPos(dialog, nullptr, position.x, position.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HFONT CreateDisplayFont(UINT dpi) {
    LOGFONTW font{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfHeight = Scaled(kSystemFontHeightAt96, dpi);
    font.lfWidth = Scaled(kSystemFontWidthAt96, dpi);
    return CreateFontIndirectW(&font);
}

int LineWidth(UINT dpi) {
    return std::max(1, static_cast<int>(dpi / kDefaultDpi));
}

}  // namespace tomaro::platform::win32
