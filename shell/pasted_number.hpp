// Text pasted into the calculator: the number forms it takes, checked whole against what
// the keypad can enter exactly, and the keypad commands that enter one.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "engine/command.hpp"

namespace tomaro {

inline constexpr std::string_view kNoticePasteRefused =
    "貼り付けた文字は、電卓で正確に入力できる数ではありません。";

// A number as the keypad enters it: a fraction's denominator first, closed by the bar, then
// the numerator; an integer or a decimal as its digits; the sign last.
struct KeyedNumber {
    bool negative = false;
    UInt64 denominator = 0;  // 0: not a fraction
    UInt64 digits = 0;       // the numerator, the integer, or a decimal's digits without the point
    int places = -1;         // a decimal's digits after the point; -1: no point
    friend bool operator==(const KeyedNumber&, const KeyedNumber&) = default;
};

// Plain text: an integer, a decimal (trailing zeros kept), "a/b", "w a/b" (entered as its
// improper fraction), a recurring decimal as the display writes it ("0.8{3}", ".8{3}",
// entered as its exact fraction), each with an optional leading minus. A decimal with more
// places or digits than the keypad takes is entered as its fraction in lowest terms.
// Surrounding spaces and zero-width or direction marks are ignored; full-width digits, "．",
// "／", "－", the minus sign U+2212 and the ideographic space count as their ASCII forms; a
// no-break space (U+00A0, U+202F) counts as a space beside a fraction bar; ",", "'", "，"
// and, without a fraction bar, a no-break space may separate groups of three digits left of
// a point, the first group neither 0 nor led by one ("0,125" is not 125). None for anything
// else, and for a number the keypad cannot enter exactly: more than 18 digits, a zero
// denominator, a fraction whose numerator or denominator passes 18 digits.
std::optional<KeyedNumber> ParsePastedNumber(std::string_view utf8);

// The commands that key the number into a fresh operand.
std::vector<Command> KeysOf(const KeyedNumber& n);

}  // namespace tomaro
