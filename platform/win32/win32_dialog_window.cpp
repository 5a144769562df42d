#include "platform/win32/win32_dialog_window.hpp"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>
#include <uiautomationcore.h>

#include <cstring>

namespace tomaro::platform::win32 {
namespace {

constexpr wchar_t kEditClass[] = L"Edit";
constexpr DWORD kClientObject =
    static_cast<DWORD>(OBJID_CLIENT);  // a LONG; the service takes a DWORD

// UI Automation's live setting of an element, as an annotation (<uiautomationcore.h> of
// Windows 8 and later; mingw-w64's lacks it).
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG kLiveSettingAssertive = 2;
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantMostRecent = 1;

// UI Automation's notification (Windows 10 1709 and later), raised for the dialog; false where
// Windows lacks it. Looked up at run time: Windows 7 has neither the call nor the flag that
// loads only from the system folder.
bool RaiseNotification(HWND dialog, const std::wstring& text) {
    using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
    using RaiseEvent = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
    static const auto [host, raise] = [] {
        const HMODULE uia =
            LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        const auto function = [uia](const char* name) {
            return uia ? reinterpret_cast<void (*)()>(GetProcAddress(uia, name)) : nullptr;
        };
        return std::pair{reinterpret_cast<HostProvider>(function("UiaHostProviderFromHwnd")),
                         reinterpret_cast<RaiseEvent>(function("UiaRaiseNotificationEvent"))};
    }();
    if (!host || !raise) return false;
    if (text.empty()) return true;  // a notification is said once: there is nothing to take back
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(host(dialog, &provider)) || !provider) return false;
    BSTR said = SysAllocString(text.c_str());
    BSTR activity = SysAllocString(L"tomaro");
    const HRESULT result = raise(provider, kNotificationKindOther,
                                 kNotificationProcessingImportantMostRecent, said, activity);
    SysFreeString(activity);
    SysFreeString(said);
    provider->Release();
    return SUCCEEDED(result);
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

KeptPicture::KeptPicture(HWND control) : control_(control) {
    SetWindowSubclass(control_, ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

KeptPicture::~KeptPicture() {
    RemoveWindowSubclass(control_, ControlProc, 0);
    Release();
}

void KeptPicture::Release() {
    if (!dc_) return;
    SelectObject(dc_, old_bitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
    bitmap_ = nullptr;
}

HDC KeptPicture::Canvas() {
    RECT client{};
    GetClientRect(control_, &client);
    if (!dc_ || client.right != size_.cx || client.bottom != size_.cy) {
        Release();
        HDC screen = GetDC(control_);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        ReleaseDC(control_, screen);
        old_bitmap_ = SelectObject(dc_, bitmap_);
        size_ = {client.right, client.bottom};
        FillRect(dc_, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ::SetTextAlign(dc_, TA_LEFT | TA_TOP);
    ::SetBkMode(dc_, TRANSPARENT);
    return dc_;
}

void KeptPicture::CopyTo(HDC target) const {
    if (dc_) BitBlt(target, 0, 0, size_.cx, size_.cy, dc_, 0, 0, SRCCOPY);
}

LRESULT CALLBACK KeptPicture::ControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR, DWORD_PTR picture) {
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;  // the picture covers it
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(control, &paint);
            const auto* kept = reinterpret_cast<const KeptPicture*>(picture);
            RECT client{};
            GetClientRect(control, &client);
            if (client.right != kept->size_.cx || client.bottom != kept->size_.cy)
                FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            kept->CopyTo(dc);
            EndPaint(control, &paint);
            return 0;
        }
        default:
            return DefSubclassProc(control, message, wparam, lparam);
    }
}

GdiDeviceContext::GdiDeviceContext(HWND control, KeptPicture& picture, HFONT font, int line_width)
    : control_(control), picture_(picture), dc_(picture.Canvas()) {
    if (font) old_font_ = SelectObject(dc_, font);
    if (line_width > 1) {
        pen_ = CreatePen(PS_SOLID, line_width, RGB(0, 0, 0));
        if (pen_) old_pen_ = SelectObject(dc_, pen_);
    }
}

GdiDeviceContext::~GdiDeviceContext() {
    if (old_pen_) SelectObject(dc_, old_pen_);
    if (pen_) DeleteObject(pen_);
    if (old_font_) SelectObject(dc_, old_font_);
    HDC screen = GetDC(control_);
    picture_.CopyTo(screen);
    ReleaseDC(control_, screen);
}

void GdiDeviceContext::FillWhite(const Rect& r) {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    FillRect(dc_, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// y is the top of the text in every alignment (TA_TOP is 0).
void GdiDeviceContext::SetTextAlign(TextAlign align) {
    UINT mode = TA_LEFT;
    switch (align) {
        case ALIGN_LEFT:
            break;
        case ALIGN_RIGHT:
            mode = TA_RIGHT;
            break;
        case ALIGN_CENTRE:
            mode = TA_CENTER;
            break;
    }
    ::SetTextAlign(dc_, mode | TA_TOP);
}

void GdiDeviceContext::TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) {
    const std::wstring text = Widen(utf8);
    TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void GdiDeviceContext::Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
}

Size GdiDeviceContext::TextExtent(std::string_view utf8) {
    const std::wstring text = Widen(utf8);
    SIZE extent{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &extent);
    return {extent.cx, extent.cy};
}

Rect GdiDeviceContext::ClientRect() {
    RECT rect{};
    GetClientRect(control_, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

Win32DialogWindow::~Win32DialogWindow() {
    if (accessible_properties_) accessible_properties_->Release();
    if (tooltip_) DestroyWindow(tooltip_);
    // The dialog and its controls are gone by now: nothing uses the fonts any more.
    if (dialog_font_) DeleteObject(dialog_font_);
    if (display_font_) DeleteObject(display_font_);
}

void Win32DialogWindow::Prepare(const DialogTemplate& t) {
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                               nullptr, instance_, nullptr);
    for (const ControlTemplate& c : t.controls) {
        HWND control = GetDlgItem(hwnd_, c.id);
        if (!control) continue;
        if (!c.accessibleName.empty())
            SetAccessibleProperty(control, PROPID_ACC_NAME, c.accessibleName);
        if (c.kind == ControlKind::ReadOnlyField && tooltip_) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = hwnd_;
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            tool.lpszText = const_cast<wchar_t*>(L"");
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    TakeOverDpiScaling(hwnd_);
    UseDisplayFontFor(WindowDpi(hwnd_));
}

void Win32DialogWindow::ScaleTo(const DialogTemplate& t, UINT dpi, POINT position) {
    HFONT font = CreateDialogFont(hwnd_, t, dpi);
    if (!font) return;
    LayOutDialog(hwnd_, t, font, dpi, position);
    if (dialog_font_) DeleteObject(dialog_font_);  // no control holds it any more
    dialog_font_ = font;
    UseDisplayFontFor(dpi);
}

void Win32DialogWindow::UseDisplayFontFor(UINT dpi) {
    dpi_ = dpi;
    if (display_font_) DeleteObject(display_font_);
    display_font_ = dpi == kDefaultDpi ? nullptr : CreateDisplayFont(dpi);
}

IAccPropServices* Win32DialogWindow::AccessibleProperties() {
    if (!accessible_properties_ &&
        FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(&accessible_properties_))))
        accessible_properties_ = nullptr;
    return accessible_properties_;
}

bool Win32DialogWindow::SetAccessibleProperty(HWND control, const GUID& property,
                                              std::string_view utf8) {
    IAccPropServices* properties = AccessibleProperties();
    if (!properties) return false;
    const std::wstring text = Widen(utf8);
    return SUCCEEDED(
        properties->SetHwndPropStr(control, kClientObject, CHILDID_SELF, property, text.c_str()));
}

// A text wider than its field is still there to read whole, in the field's tooltip (its
// accessible value is its whole text anyway).
void Win32DialogWindow::ShowWholeTextIfCut(HWND field) {
    if (!tooltip_) return;
    const std::wstring text = WindowText(field);
    RECT room{};
    SendMessageW(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    HDC dc = GetDC(field);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(field, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(field, dc);
    std::wstring tip = extent.cx > room.right - room.left ? text : std::wstring();
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(field);
    tool.lpszText = tip.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32DialogWindow::EnableControl(int id, bool enabled) {
    if (HWND control = GetDlgItem(hwnd_, id)) EnableWindow(control, enabled ? TRUE : FALSE);
}

// Through the dialog manager, so that a focused push button also takes the default-button
// look from the one that had it. A disabled control does not take the focus; it stays
// where it is.
void Win32DialogWindow::SetFocus(int id) {
    HWND control = GetDlgItem(hwnd_, id);
    if (!control || !IsWindowEnabled(control)) return;
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

std::string Win32DialogWindow::ControlText(int id) {
    HWND control = GetDlgItem(hwnd_, id);
    return control ? Narrow(WindowText(control)) : std::string();
}

void Win32DialogWindow::SetControlText(int id, std::string_view utf8) {
    HWND control = GetDlgItem(hwnd_, id);
    if (!control) return;
    SetWindowTextW(control, Widen(utf8).c_str());
    wchar_t kind[8] = {};
    GetClassNameW(control, kind, 8);
    if (lstrcmpiW(kind, kEditClass) == 0) ShowWholeTextIfCut(control);
}

// EM_LIMITTEXT bounds what the user types; texts the program sets may be longer.
void Win32DialogWindow::SetInputLimit(int id, int limit) {
    SendDlgItemMessageW(hwnd_, id, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

// A white-rectangle static draws no text, and its window procedure keeps none: the text
// goes straight to the default window procedure, which stores it as the window's name, the
// name screen readers announce. Nothing is invalidated, so the drawn picture stays.
void Win32DialogWindow::SetAccessibleText(int id, std::string_view utf8) {
    HWND control = GetDlgItem(hwnd_, id);
    if (!control) return;
    const std::wstring text = Widen(utf8);
    if (WindowText(control) == text) return;
    DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// The description goes where screen readers read it (the accessibility property service),
// and its change is announced.
void Win32DialogWindow::SetAccessibleDescription(int id, std::string_view utf8) {
    HWND control = GetDlgItem(hwnd_, id);
    if (control && SetAccessibleProperty(control, PROPID_ACC_DESCRIPTION, utf8))
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

// Without UI Automation's notifications, an invisible static control takes the text as its
// name: an alert and an assertive live region, whose events screen readers announce.
void Win32DialogWindow::Announce(std::string_view utf8, bool /*alert*/) {
    const std::wstring text = Widen(utf8);
    if (RaiseNotification(hwnd_, text)) return;
    HWND announcer = Announcer();
    if (!announcer) return;
    SetWindowTextW(announcer, text.c_str());
    if (text.empty()) return;
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, announcer, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_SYSTEM_ALERT, announcer, OBJID_CLIENT, CHILDID_SELF);
}

HWND Win32DialogWindow::Announcer() {
    if (announcer_) return announcer_;
    announcer_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                                 hwnd_, nullptr, instance_, nullptr);
    // Last among the children, after the template's controls, whose order is the tab order
    // and the order a DPI change lays them out in.
    if (announcer_)
        SetWindowPos(announcer_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (IAccPropServices* properties = AccessibleProperties(); announcer_ && properties) {
        const auto set = [&](const GUID& property, LONG value) {
            VARIANT v{};
            v.vt = VT_I4;
            v.lVal = value;
            properties->SetHwndProp(announcer_, kClientObject, CHILDID_SELF, property, v);
        };
        set(PROPID_ACC_ROLE, ROLE_SYSTEM_ALERT);
        set(kLiveSettingProperty, kLiveSettingAssertive);
    }
    return announcer_;
}

std::string Win32DialogWindow::ClipboardText() {
    if (!OpenClipboard(hwnd_)) return {};
    std::string text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void Win32DialogWindow::SetClipboardText(std::string_view utf8) {
    const std::wstring text = Widen(utf8);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!data) return;
    if (void* target = GlobalLock(data)) {
        std::memcpy(target, text.c_str(), bytes);
        GlobalUnlock(data);
    }
    if (!OpenClipboard(hwnd_)) {
        GlobalFree(data);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_UNICODETEXT, data)) GlobalFree(data);  // else the system owns it
    CloseClipboard();
}

void Win32DialogWindow::SetTimer(int timer_id, int milliseconds) {
    ::SetTimer(hwnd_, static_cast<UINT_PTR>(timer_id), static_cast<UINT>(milliseconds), nullptr);
}

void Win32DialogWindow::KillTimer(int timer_id) {
    ::KillTimer(hwnd_, static_cast<UINT_PTR>(timer_id));
}

void Win32DialogWindow::TrackPopupMenu(std::span<const MenuItem> items, Point screen) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (const MenuItem& item : items) {
        if (item.separator()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            const UINT state = item.disabled ? MF_GRAYED : MF_ENABLED;
            AppendMenuW(menu, MF_STRING | state, static_cast<UINT_PTR>(item.id),
                        Widen(item.text).c_str());
        }
    }
    // The chosen command goes to the first window up the parent chain that is not a child.
    HWND owner = hwnd_;
    while ((GetWindowLongW(owner, GWL_STYLE) & WS_CHILD) != 0) {
        HWND parent = GetParent(owner);
        if (!parent) break;
        owner = parent;
    }
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr);
    DestroyMenu(menu);
}

Point Win32DialogWindow::ClientOrigin() {
    POINT origin{0, 0};
    ClientToScreen(hwnd_, &origin);
    return {origin.x, origin.y};
}

bool Win32DialogWindow::HasSystemMenu() {
    return GetSystemMenu(hwnd_, FALSE) != nullptr;
}

void Win32DialogWindow::AppendSystemMenu(const MenuItem& item) {
    HMENU menu = GetSystemMenu(hwnd_, FALSE);
    if (!menu) return;
    if (item.separator()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.text).c_str());
    }
}

// LoadIcon gives the system's standard icon size; the icon is shared and never destroyed.
void Win32DialogWindow::SetBigIcon(int icon_id) {
    big_icon_ = LoadIconW(instance_, MAKEINTRESOURCEW(icon_id));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_));
}

bool Win32DialogWindow::PaintMinimised() {
    if (!IsIconic(hwnd_)) return false;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    SendMessageW(hwnd_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    if (big_icon_) DrawIcon(dc, x, y, big_icon_);
    EndPaint(hwnd_, &paint);
    painted_minimised_ = true;
    return true;
}

std::unique_ptr<DeviceContext> Win32DialogWindow::GetDeviceContext(int control_id) {
    HWND control = GetDlgItem(hwnd_, control_id);
    if (!control) return nullptr;
    std::unique_ptr<KeptPicture>& picture = pictures_[control_id];
    if (!picture) picture = std::make_unique<KeptPicture>(control);
    return std::make_unique<GdiDeviceContext>(control, *picture, display_font_, LineWidth(dpi_));
}

void Win32DialogWindow::EndDialog(int result) {
    ::EndDialog(hwnd_, result);
}

}  // namespace tomaro::platform::win32
