#include "platform/win32/win32_platform.hpp"

#include <objbase.h>
#include <windowsx.h>

#include "platform/dialog_rules.hpp"
#include "platform/win32/dpi_scaling.hpp"

namespace tomaro::platform::win32 {

// One dialog from DoModal to its end. The window exists from WM_INITDIALOG on.
struct Win32Platform::Running {
    Win32Platform& platform;
    const DialogTemplate& dialog_template;
    DialogHandler& handler;
    std::unique_ptr<Win32DialogWindow> window;
};

namespace {

thread_local Win32Platform* t_platform = nullptr;  // the hook procedure has no context

// Over the owner while it is visible and not minimised, else over the work area; kept on
// the work area.
void CentreWindow(HWND window, HWND owner) {
    RECT frame{};
    GetWindowRect(window, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    RECT centre_on = work;
    if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &centre_on);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    LONG x = (centre_on.left + centre_on.right - width) / 2;
    LONG y = (centre_on.top + centre_on.bottom - height) / 2;
    if (x + width > work.right) x = work.right - width;
    if (y + height > work.bottom) y = work.bottom - height;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A dialog procedure's answer for a message whose result is not the return value itself.
INT_PTR Answer(HWND dialog, LRESULT result) {
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance) {
    t_platform = this;
    // The accessibility property service is a COM object.
    com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    filter_ = SetWindowsHookExW(WH_MSGFILTER, MessageFilter, nullptr, GetCurrentThreadId());
}

Win32Platform::~Win32Platform() {
    if (filter_) UnhookWindowsHookEx(filter_);
    if (com_) CoUninitialize();
    if (t_platform == this) t_platform = nullptr;
}

int Win32Platform::DoModal(const DialogTemplate& t, DialogHandler& handler) {
    const Win32DialogWindow* owner = RunningDialog();
    running_.push_back(std::make_unique<Running>(Running{*this, t, handler, nullptr}));
    const INT_PTR result =
        DialogBoxParamW(instance_, MAKEINTRESOURCEW(t.id), owner ? owner->hwnd() : nullptr,
                        DialogProc, reinterpret_cast<LPARAM>(running_.back().get()));
    running_.pop_back();
    return static_cast<int>(result);
}

Win32DialogWindow* Win32Platform::RunningDialog() const {
    for (auto it = running_.rbegin(); it != running_.rend(); ++it)
        if ((*it)->window) return (*it)->window.get();
    return nullptr;
}

INT_PTR CALLBACK Win32Platform::DialogProc(HWND dialog, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
    if (message == WM_INITDIALOG) {
        auto* running = reinterpret_cast<Running*>(lparam);
        SetWindowLongPtrW(dialog, DWLP_USER, lparam);
        running->window = std::make_unique<Win32DialogWindow>(dialog, running->platform.instance_);
        running->window->Prepare(running->dialog_template);
        RECT before{};
        GetWindowRect(dialog, &before);
        // True lets the dialog manager give the focus to the first tab stop.
        const bool focus_first = running->handler.OnInitDialog(*running->window);
        // A dialog that its initialisation did not place is centred: the About box over
        // the calculator, the calculator on the screen, wherever the template put them.
        RECT after{};
        GetWindowRect(dialog, &after);
        if (EqualRect(&before, &after)) CentreWindow(dialog, GetWindow(dialog, GW_OWNER));
        return focus_first ? TRUE : FALSE;
    }

    auto* running = reinterpret_cast<Running*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (!running || !running->window) return FALSE;  // messages before WM_INITDIALOG
    DialogHandler& handler = running->handler;
    Win32DialogWindow& window = *running->window;

    switch (message) {
        case WM_COMMAND: {
            // Clicks and menu or accelerator commands; other notifications are not commands.
            if (HIWORD(wparam) > 1) return FALSE;
            // Enter and Escape arrive here as OK and Cancel from the dialog manager itself.
            return SendCommand(handler, window, LOWORD(wparam)) ? TRUE : FALSE;
        }
        case WM_CHAR: {
            // Sent by the message filter with a key-down's virtual-key code; the result tells
            // the filter whether the key was taken.
            // The key state is the key-down's own: the filter sends this while handling it.
            const vk::Modifiers held{.ctrl = GetKeyState(VK_CONTROL) < 0,
                                     .shift = GetKeyState(VK_SHIFT) < 0};
            const bool handled = handler.PreTranslateKeyDown(static_cast<int>(wparam), held);
            return handled ? Answer(dialog, TRUE) : FALSE;
        }
        case WM_CONTEXTMENU:
            handler.OnContextMenu({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
            return TRUE;
        case WM_SYSCOMMAND:
            return handler.OnSysCommand(static_cast<int>(wparam)) ? Answer(dialog, 0) : FALSE;
        case WM_PAINT:
            handler.OnPaint();
            // A minimised window was painted by the handler; otherwise the dialog's own
            // painting validates it.
            return window.TakePaintedMinimised() ? TRUE : FALSE;
        case WM_ACTIVATE:
            handler.OnActivate(LOWORD(wparam) != WA_INACTIVE);
            return FALSE;
        case WM_TIMER:
            handler.OnTimer(static_cast<int>(wparam));
            return FALSE;
        case WM_QUERYDRAGICON:
            return reinterpret_cast<INT_PTR>(window.big_icon());
        case WM_GETDPISCALEDSIZE:
            // Asked before a move to a monitor of another DPI: the size the layout will have,
            // so that the rectangle WM_DPICHANGED suggests fits it.
            *reinterpret_cast<SIZE*>(lparam) =
                ScaledWindowSize(dialog, running->dialog_template, static_cast<UINT>(wparam));
            return Answer(dialog, TRUE);
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lparam);
            window.ScaleTo(running->dialog_template, HIWORD(wparam),
                           {suggested->left, suggested->top});
            handler.OnDpiChanged();
            return Answer(dialog, 0);
        }
        default:
            return FALSE;
    }
}

// Where the handler sees keys first, ahead of the dialog's own keyboard handling: the dialog
// manager's loop offers every message to this filter before IsDialogMessage and dispatch. A
// key-down bound for the running dialog or one of its controls becomes WM_CHAR to the dialog, sent
// at once; taken, it is neither translated nor dispatched. System key-downs (Alt, F10) are left
// alone.
LRESULT CALLBACK Win32Platform::MessageFilter(int code, WPARAM wparam, LPARAM lparam) {
    if (code == MSGF_DIALOGBOX && t_platform) {
        const auto* msg = reinterpret_cast<const MSG*>(lparam);
        const Win32DialogWindow* running = t_platform->RunningDialog();
        if (msg->message == WM_KEYDOWN && running &&
            (msg->hwnd == running->hwnd() || IsChild(running->hwnd(), msg->hwnd)) &&
            SendMessageW(running->hwnd(), WM_CHAR, msg->wParam, msg->lParam) != 0)
            return TRUE;
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace tomaro::platform::win32
