// A fraction as an exact decimal: terminating in full, recurring with its block in braces
// (0.1{6}), and the label that tells them apart; and number text read back exactly.
#pragma once

#include <optional>
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
    // False when the braces hold the first kPeriodCap digits of a longer period: a text
    // that, read as written, is another number.
    bool whole_period = true;
};

// den may be negative, and the fraction need not be reduced.
DecimalText ExpandDecimal(Fraction f);
// The same, writing the text into `text` (reusing its storage) and returning the label.
std::string_view ExpandDecimal(Fraction f, std::string& text);

// A number as it is written, read back exactly.
struct WrittenNumber {
    bool negative = false;  // written with a leading minus
    Fraction value;         // the magnitude as written: 1.50 is 150/100, 2 1/3 is 7/3
    Rep rep = REP_INTEGER;  // INTEGER, FRACTION, MIXED or DECIMAL
    // A terminating decimal's digits after the point; -1 for the others, and for one whose
    // digits over a power of ten pass 64 bits: its value is then in lowest terms.
    int places = -1;
};

// The inverse of the writing above and of the forms the display's value is written out in:
// "1234567", "1.50", ".5", "5/6", "2 1/3" (spaces between the parts), "0.8{3}", ".8{3}",
// each with an optional leading minus, ASCII digits only. A recurring decimal reads as the
// fraction in lowest terms whose expansion ExpandDecimal writes exactly so, its whole period
// in the braces (0.8{3} is 5/6); so does a terminating one too long for 64 bits as written
// (0.00000095367431640625 is 1/1048576). None for any other text, a zero denominator, a
// mixed number whose fraction is not proper or has a part with a leading zero, and a value
// whose numerator or denominator passes 2^63 - 1.
std::optional<WrittenNumber> ReadNumber(std::string_view text);

}  // namespace tomaro
