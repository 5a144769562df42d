// Every button of the keypad, by the word tomaro-cli plays for its command: tests press a
// button in the window and the same word on the headless calculator, and compare.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "resources/control_ids.hpp"

namespace tomaro {

inline const std::map<std::string, int, std::less<>> kButtonWords = {
    {"0", IDC_DIGIT0},
    {"1", IDC_DIGIT1},
    {"2", IDC_DIGIT2},
    {"3", IDC_DIGIT3},
    {"4", IDC_DIGIT4},
    {"5", IDC_DIGIT5},
    {"6", IDC_DIGIT6},
    {"7", IDC_DIGIT7},
    {"8", IDC_DIGIT8},
    {"9", IDC_DIGIT9},
    {"000", IDC_TRIPLEZERO},
    {".", IDC_POINT},
    {"+", IDC_ADD},
    {"-", IDC_SUBTRACT},
    {"*", IDC_MULTIPLY},
    {"/", IDC_DIVIDE},
    {"=", IDC_EQUALS},
    {"AC", IDC_ALLCLEAR},
    {"CE", IDC_CLEARENTRY},
    {"BS", IDC_BACKSPACE},
    {"NEG", IDC_SIGN},
    {"BAR", IDC_FRACTIONBAR},
    {"INV", IDC_RECIPROCAL},
    {"M+", IDC_MEMORYADD},
    {"M-", IDC_MEMORYSUBTRACT},
    {"MR", IDC_MEMORYRECALL},
    {"MC", IDC_MEMORYCLEAR},
};

}  // namespace tomaro
