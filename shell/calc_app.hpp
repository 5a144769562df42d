// The application: shows the calculator modally and ends when it ends.
#pragma once

#include "platform/platform.hpp"

namespace tomaro {

class CCalcApp {
public:
    // Runs the calculator to its end. Always false: there is no message loop after it.
    bool InitInstance(platform::Platform& platform);
};

}  // namespace tomaro
