// The About box: the template does all; OK, Enter, Escape and closing end it.
#pragma once

#include "platform/platform.hpp"

namespace tomaro {

class CAboutDlg final : public platform::DialogHandler {
public:
    bool OnInitDialog(platform::DialogWindow&) override { return true; }
};

}  // namespace tomaro
