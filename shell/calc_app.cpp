#include "shell/calc_app.hpp"

#include "shell/calc_dialog.hpp"

namespace tomaro {

bool CCalcApp::InitInstance(platform::Platform& platform) {
    CCalcDlg dialog(platform);
    dialog.DoModal();  // ends with 2 by Exit or by closing; either way the program ends
    return false;
}

}  // namespace tomaro
