#include "display/display_reading.hpp"

namespace tomaro {

std::string DisplayReading(const DisplayModel& m) {
    switch (m.layout) {
        case DisplayLayout::Integer:
        case DisplayLayout::DecimalOneLine:
            return m.mainText;
        case DisplayLayout::Fraction:
        case DisplayLayout::Error:
            return m.numText + "/" + m.denText;
        case DisplayLayout::Mixed:
            return m.mainText + " " + m.numText + "/" + m.denText;
        case DisplayLayout::DecimalTwoLines:
            return m.numText + m.denText;
    }
    return {};
}

}  // namespace tomaro
