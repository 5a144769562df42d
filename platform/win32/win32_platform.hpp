// The platform on USER32: dialogs from the program's own resource templates, run modally
// one over another with DialogBoxParamW, and a message filter that gives every key-down
// bound for the running dialog to its handler before the dialog manager sees it.
#pragma once

#include <memory>
#include <vector>

#include "platform/platform.hpp"
#include "platform/win32/win32_dialog_window.hpp"
#include "platform/win32/windows_api.hpp"

namespace tomaro::platform::win32 {

class Win32Platform final : public Platform {
public:
    // Dialog templates and icons come from the module's resources. Installs the key filter
    // on the calling thread, which must be the one that runs the dialogs; one platform per
    // thread.
    explicit Win32Platform(HINSTANCE instance = GetModuleHandleW(nullptr));
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // Runs the template of the same id from the resources, owned by the running dialog.
    int DoModal(const DialogTemplate& t, DialogHandler& handler) override;

    // The innermost dialog that has been initialised and not yet ended, or null.
    Win32DialogWindow* RunningDialog() const;

private:
    struct Running;

    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK MessageFilter(int code, WPARAM wparam, LPARAM lparam);

    HINSTANCE instance_;
    HHOOK filter_ = nullptr;
    bool com_ = false;
    std::vector<std::unique_ptr<Running>> running_;
};

}  // namespace tomaro::platform::win32
