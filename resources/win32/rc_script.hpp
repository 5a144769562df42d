// The Windows resource script, written from the resource description in resources.hpp so the
// Windows build and the Linux window cannot disagree on ids, captions, positions or styles.
#pragma once

#include <string>

namespace tomaro {

// The whole .rc file, UTF-8, for windres: icon 128, templates 102 and 100, menu 103,
// string 101, the version resource and manifest 1 (read from "tomaro.manifest" on the
// resource compiler's include path, since its processor architecture depends on the build).
// The version's numbers come from "resources/version.hpp", generated into the build folder.
std::string ResourceScript();

}  // namespace tomaro
