#include "display/display_reading.hpp"

namespace tomaro {

std::string DisplayReading(const DisplayModel& m, Rep entry_rep) {
    switch (entry_rep) {
        case REP_INTEGER:
            return m.mainText;
        case REP_FRACTION:
        case REP_ERROR:
            return m.numText + "/" + m.denText;
        case REP_MIXED:
            return m.mainText + " " + m.numText + "/" + m.denText;
        case REP_DECIMAL:
            // A long decimal is split over the upper and lower lines.
            return m.mainText.empty() ? m.numText + m.denText : m.mainText;
    }
    return {};
}

}  // namespace tomaro
