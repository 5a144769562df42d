#include "platform/win32/win32_dialog_window.hpp"

namespace tomaro::platform::win32 {
namespace {

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

GdiDeviceContext::GdiDeviceContext(HWND control) : control_(control), dc_(GetDC(control)) {
    ::SetBkMode(dc_, TRANSPARENT);
}

GdiDeviceContext::~GdiDeviceContext() {
    ReleaseDC(control_, dc_);
}

void GdiDeviceContext::FillWhite(const Rect& r) {
    const RECT rect{r.left, r.top, r.right, r.bottom};
    FillRect(dc_, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// The display's alignments are the GDI values themselves (TA_TOP is 0).
void GdiDeviceContext::SetTextAlign(TextAlign align) {
    ::SetTextAlign(dc_, static_cast<UINT>(align));
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

void GdiDeviceContext::Validate() {
    ValidateRect(control_, nullptr);
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
    if (HWND control = GetDlgItem(hwnd_, id)) SetWindowTextW(control, Widen(utf8).c_str());
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
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), Widen(item.text).c_str());
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
    return std::make_unique<GdiDeviceContext>(control);
}

void Win32DialogWindow::EndDialog(int result) {
    ::EndDialog(hwnd_, result);
}

}  // namespace tomaro::platform::win32
