// Control identifiers of the calculator dialog: the one list that the window, the key map
// and the tests share.
#pragma once

namespace tomaro {

enum ControlId : int {
    IDC_DISPLAY = 1002,
    IDC_ALLCLEAR = 1003,
    IDC_CLEARENTRY = 1004,
    IDC_DIGIT1 = 1005,
    IDC_DIGIT2 = 1007,
    IDC_DIGIT3 = 1008,
    IDC_DIGIT4 = 1009,
    IDC_DIGIT5 = 1010,
    IDC_DIGIT6 = 1011,
    IDC_DIGIT7 = 1012,
    IDC_DIGIT8 = 1013,
    IDC_DIGIT9 = 1014,
    IDC_DIGIT0 = 1015,
    IDC_TRIPLEZERO = 1016,
    IDC_ADD = 1017,
    IDC_SUBTRACT = 1018,
    IDC_MULTIPLY = 1019,
    IDC_DIVIDE = 1020,
    IDC_POINT = 1021,
    IDC_SIGN = 1022,
    IDC_FRACTIONBAR = 1023,
    IDC_BACKSPACE = 1024,
    IDC_EQUALS = 1025,
    IDC_READOUT = 1026,
    IDC_KIND = 1027,
    IDC_OPERATOR = 1028,
    IDC_MEMORYADD = 1029,
    IDC_MEMORYSUBTRACT = 1030,
    IDC_MEMORYRECALL = 1031,
    IDC_MEMORYCLEAR = 1032,
    IDC_MEMORYINDICATOR = 1033,
    IDC_RECIPROCAL = 1034,
};

}  // namespace tomaro
