#include "platform/qt/icons.hpp"

#include "resources/resources.hpp"

namespace tomaro::platform::qt {

QIcon IconOf(int icon_id) {
    QIcon icon;
    if (icon_id == IDR_MAINFRAME) {
        icon.addFile(QStringLiteral(":/icons/tomaro-16.png"), QSize(16, 16));
        icon.addFile(QStringLiteral(":/icons/tomaro-32.png"), QSize(32, 32));
        icon.addFile(QStringLiteral(":/icons/tomaro-48.png"), QSize(48, 48));
    }
    return icon;
}

}  // namespace tomaro::platform::qt
