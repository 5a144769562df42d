// Pasted text: the forms taken, the keys that enter them, and what is refused whole.
#include "shell/pasted_number.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tomaro {
namespace {

// The keys as the key words of the tests: digits, ".", "BAR", "NEG".
std::string Words(const std::vector<Command>& keys) {
    std::string out;
    for (const Command c : keys) {
        if (!out.empty()) out += ' ';
        if (c <= Command::Digit9) {
            out += static_cast<char>('0' + static_cast<int>(c));
        } else {
            out += c == Command::Point         ? "."
                   : c == Command::FractionBar ? "BAR"
                   : c == Command::Sign        ? "NEG"
                                               : "?";
        }
    }
    return out;
}

TEST(PastedNumber, AcceptedFormsAndTheirKeys) {
    const struct {
        std::string_view text;
        std::string keys;
    } rows[] = {
        {"1234567", "1 2 3 4 5 6 7"},
        {"  -42\n", "4 2 NEG"},
        {"1,234,567", "1 2 3 4 5 6 7"},
        {"1'234", "1 2 3 4"},
        {"007", "7"},
        {"1.50", "1 . 5 0"},
        {"-0.05", "0 . 0 5 NEG"},
        {".5", "0 . 5"},
        {"5.", "5 ."},
        {"12,345.6", "1 2 3 4 5 . 6"},
        {"5/6", "6 BAR 5"},
        {"-2/4", "4 BAR 2 NEG"},  // as written, not reduced
        {"0/5", "5 BAR 0"},
        {"2 1/3", "3 BAR 7"},
        {"-0 5/6", "6 BAR 5 NEG"},
        {"0.8{3}", "6 BAR 5"},
        {"-1.{142857}", "7 BAR 8 NEG"},
        {"0.{076923}", "1 3 BAR 1"},
        {"０．５", "0 . 5"},
        {"－３／４", "4 BAR 3 NEG"},
        {"　１２　", "1 2"},
        {"999999999999999999", "9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9"},     // 18 digits
        {"0.00000000000000001", "0 . 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1"},  // 17 places
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const auto n = ParsePastedNumber(r.text);
        ASSERT_TRUE(n.has_value());
        EXPECT_EQ(Words(KeysOf(*n)), r.keys);
    }
}

TEST(PastedNumber, RefusesWhatIsNoNumberOrCannotBeKeyedExactly) {
    for (const std::string_view text :
         {"",
          "  ",
          "abc",
          "12 apples",
          "1e5",
          "+5",
          "--5",
          "5-",
          "1.2.3",
          "1,5",
          "1,23",
          "12,3456",
          ",123",
          "1/0",
          "1/-3",
          "1/2/3",
          "2 5/3",
          "2 1/3 4",
          "0.8{3",
          "0.{}",
          "0.8{3}4",
          "0.{33}",  // not the display's own notation
          "0.{9}",
          "{3}",
          "1,234.5,6",
          "1000000000000000000",      // 19 digits
          "0.000000000000000001",     // 18 places
          "99999999999999999.99",     // 19 digits
          "1/1000000000000000000",    // a denominator beyond the keypad
          "500000000000000000 1/2",   // its improper numerator too
          "0.{000000000000000001}",   // 1/(10^18 - 1): never expanded by the display
          "0.{0000000000000000001}",  // a denominator beyond 64 bits
          "５５５x",
          "1\xC2\xA0"
          "2"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParsePastedNumber(text).has_value());
    }
}

}  // namespace
}  // namespace tomaro
