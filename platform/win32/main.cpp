// tomaro.exe: the calculator as a native Windows dialog.
#include "platform/win32/win32_platform.hpp"
#include "shell/calc_app.hpp"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    InitCommonControls();  // the manifest binds the dialogs to common controls 6
    tomaro::platform::win32::Win32Platform platform(instance);
    tomaro::CCalcApp calculator;
    calculator.InitInstance(platform);  // returns when the dialog has ended
    return 0;
}
