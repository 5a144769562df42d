// The program's icons, compiled into it from resources/icons/.
#pragma once

#include <QIcon>

namespace tomaro::platform::qt {

// The icon group with that resource id (16, 32 and 48 pixels), or a null icon.
QIcon IconOf(int icon_id);

}  // namespace tomaro::platform::qt
