// A running dialog as its logic sees it, on USER32 and GDI32: controls by id through
// GetDlgItem, timers and menus of the dialog window, and the display control's device
// context from GetDC.
#pragma once

#include <map>
#include <memory>
#include <utility>

#include "platform/platform.hpp"
#include "platform/win32/dpi_scaling.hpp"
#include "platform/win32/windows_api.hpp"
#include "resources/dialog_template.hpp"

struct IAccPropServices;  // <oleacc.h>

namespace tomaro::platform::win32 {

// The picture of a control that the program draws (the display), kept in a bitmap the size
// of its client area: drawing goes into it, and the control's own painting copies it out
// instead of wiping it, so no repaint needs it drawn again.
class KeptPicture {
public:
    // Takes over the control's painting.
    explicit KeptPicture(HWND control);
    ~KeptPicture();
    KeptPicture(const KeptPicture&) = delete;
    KeptPicture& operator=(const KeptPicture&) = delete;

    // A memory device context that draws into the picture, in its default state (default
    // font, text colour and pen, text at its top left); a picture whose control changed
    // size starts again white at the new size.
    HDC Canvas();
    // Onto the control's client area.
    void CopyTo(HDC target) const;

private:
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                        UINT_PTR id, DWORD_PTR picture);
    void Release();

    HWND control_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_bitmap_ = nullptr;
    SIZE size_{};
};

// Drawing into a control's kept picture outside its paint cycle, with a transparent
// background; what was drawn shows when the context is released.
class GdiDeviceContext final : public DeviceContext {
public:
    // Draws in the given font (null: the default) and lines of the given width.
    GdiDeviceContext(HWND control, KeptPicture& picture, HFONT font, int line_width);
    ~GdiDeviceContext() override;
    GdiDeviceContext(const GdiDeviceContext&) = delete;
    GdiDeviceContext& operator=(const GdiDeviceContext&) = delete;

    void FillWhite(const Rect& r) override;
    void SetTextAlign(TextAlign align) override;
    void TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) override;
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    Size TextExtent(std::string_view utf8) override;
    Rect ClientRect() override;

private:
    HWND control_;
    KeptPicture& picture_;
    HDC dc_;
    HGDIOBJ old_font_ = nullptr;
    HPEN pen_ = nullptr;
    HGDIOBJ old_pen_ = nullptr;
};

class Win32DialogWindow final : public DialogWindow {
public:
    Win32DialogWindow(HWND dialog, HINSTANCE instance) : hwnd_(dialog), instance_(instance) {}
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    // Once the controls exist: the names the template gives them for screen readers, the
    // readout's tooltip, and the focus indication shown from the start (the key map takes
    // every key, so the dialog never sees the keyboard use that would show it).
    void Prepare(const DialogTemplate& t);
    // Lays the dialog out for another DPI (WM_DPICHANGED), its top-left corner at `position`.
    void ScaleTo(const DialogTemplate& t, UINT dpi, POINT position);

    HWND hwnd() const { return hwnd_; }
    // The icon given by SetBigIcon, or null: what a minimised window shows and drags.
    HICON big_icon() const { return big_icon_; }
    // Whether PaintMinimised drew since the last call; the paint message then needs no
    // default processing.
    bool TakePaintedMinimised() { return std::exchange(painted_minimised_, false); }

    void EnableControl(int id, bool enabled) override;
    void SetFocus(int id) override;
    std::string ControlText(int id) override;
    void SetControlText(int id, std::string_view utf8) override;
    void SetInputLimit(int id, int limit) override;
    void SetAccessibleText(int id, std::string_view utf8) override;
    void SetAccessibleDescription(int id, std::string_view utf8) override;
    void Announce(std::string_view utf8, bool alert) override;
    std::string ClipboardText() override;
    void SetClipboardText(std::string_view utf8) override;
    void SetTimer(int timer_id, int milliseconds) override;
    void KillTimer(int timer_id) override;
    void TrackPopupMenu(std::span<const MenuItem> items, Point screen) override;
    Point ClientOrigin() override;
    bool HasSystemMenu() override;
    void AppendSystemMenu(const MenuItem& item) override;
    void SetBigIcon(int icon_id) override;
    bool PaintMinimised() override;
    std::unique_ptr<DeviceContext> GetDeviceContext(int control_id) override;
    void EndDialog(int result) override;

private:
    // The accessibility property service, or null where the system offers none (Wine may
    // not). Sets a string property of a control as screen readers read it; false where it
    // could not.
    IAccPropServices* AccessibleProperties();
    bool SetAccessibleProperty(HWND control, const GUID& property, std::string_view utf8);
    void ShowWholeTextIfCut(HWND field);
    HWND Announcer();
    void UseDisplayFontFor(UINT dpi);

    HWND hwnd_;
    HINSTANCE instance_;
    IAccPropServices* accessible_properties_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND announcer_ = nullptr;  // made at the first announcement without UI Automation
    HICON big_icon_ = nullptr;
    bool painted_minimised_ = false;
    std::map<int, std::unique_ptr<KeptPicture>> pictures_;  // of each control drawn into
    // The DPI the dialog is laid out for, the dialog font of the last DPI change (null: the
    // dialog manager's own) and the display's font (null: the system font).
    UINT dpi_ = kDefaultDpi;
    HFONT dialog_font_ = nullptr;
    HFONT display_font_ = nullptr;
};

}  // namespace tomaro::platform::win32
