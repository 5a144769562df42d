// Prints the resource script; regenerate the committed copy with
//   build/<dir>/tests/resources/write_rc > resources/win32/tomaro.rc
#include <iostream>

#include "resources/win32/rc_script.hpp"

int main() {
    std::cout << tomaro::ResourceScript();
    return std::cout.good() ? 0 : 1;
}
