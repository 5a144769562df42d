// tomaro: the calculator in a window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/qt_platform.hpp"
#include "resources/resources.hpp"
#include "shell/calc_app.hpp"

namespace {

bool HasDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs(
            "tomaro: no graphical display (DISPLAY or WAYLAND_DISPLAY is not set); tomaro-cli "
            "plays the same calculator in a terminal.\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    const tomaro::VersionInfo& version = tomaro::Version();
    QApplication::setApplicationName(QStringLiteral("tomaro"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(version.version.data(), static_cast<qsizetype>(version.version.size())));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tomaro.Quillet"));

    tomaro::platform::qt::QtPlatform platform;
    tomaro::CCalcApp calculator;
    calculator.InitInstance(platform);  // returns when the dialog has ended
    return 0;
}
