// A fraction as an exact decimal: terminating in full, recurring with its block in braces
// (0.1{6}), and the label that tells them apart.
#pragma once

#include <string>
#include <string_view>

#include "engine/fraction.hpp"

namespace tomaro {

inline constexpr std::string_view kKindDecimal = "小数";
inline constexpr std::string_view kKindTerminating = "有限小数";
inline constexpr std::string_view kKindRecurring = "循環小数";
inline constexpr std::string_view kTooLargeMessage = "数字が大き過ぎるため表示できません。";

// Denominators above this are not expanded (the double 9.223372036854775e17).
inline constexpr UInt64 kTooLargeDenominator = 922337203685477504;
// The longest recurring block searched for; a longer period shows its first 101 digits.
inline constexpr int kPeriodCap = 101;

struct DecimalText {
    std::string text;
    std::string_view kind;
};

// den may be negative, and the fraction need not be reduced.
DecimalText ExpandDecimal(Fraction f);
// The same, writing the text into `text` (reusing its storage) and returning the label.
std::string_view ExpandDecimal(Fraction f, std::string& text);

}  // namespace tomaro
