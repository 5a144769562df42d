// tomaro in a web page: the calculator, and when it has ended, the same again on request.
#include "platform/web/web_platform.hpp"
#include "shell/calc_app.hpp"

int main() {
    tomaro::platform::web::WebPlatform platform;
    for (;;) {
        tomaro::CCalcApp calculator;
        calculator.InitInstance(platform);  // returns when the dialog has ended
        platform.WaitForRestart();
    }
}
