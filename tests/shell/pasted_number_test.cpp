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
        // Past the keypad as written: the fraction in lowest terms.
        {"0.00000095367431640625", "1 0 4 8 5 7 6 BAR 1"},
        {"-0.500000000000000000000", "2 BAR 1 NEG"},
        {"5.000000000000000000", "5"},
        {"123456789012345678.5", "2 BAR 2 4 6 9 1 3 5 7 8 0 2 4 6 9 1 3 5 7"},
        {".8{3}", "6 BAR 5"},
        {"-.{3}", "3 BAR 1 NEG"},
        // As text from documents and web pages writes them.
        {"\u00A012\u202F", "1 2"},
        {"1\u00A0234\u00A0567", "1 2 3 4 5 6 7"},
        {"1\u202F234.5", "1 2 3 4 . 5"},
        {"2\u00A01/3", "3 BAR 7"},
        {"\u22125", "5 NEG"},
        {"1，234", "1 2 3 4"},
        {"\u200E-42\u200F", "4 2 NEG"},
        {"\uFEFF 7 \u2069", "7"},
        {"\u061C\u200B3/4\u2066", "4 BAR 3"},
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
         {"", "  ", "abc", "12 apples", "1e5", "+5", "--5", "5-", "1.2.3", "1,5", "1,23", "12,3456",
          ",123", "1/0", "1/-3", "1/2/3", "2 5/3", "2 1/3 4", "0.8{3", "0.{}", "0.8{3}4",
          "0.{33}",  // not the display's own notation
          "0.{9}", "{3}", "1,234.5,6",
          "1000000000000000000",      // 19 digits
          "0.000000000000000001",     // 18 places
          "99999999999999999.99",     // 19 digits
          "1/1000000000000000000",    // a denominator beyond the keypad
          "500000000000000000 1/2",   // its improper numerator too
          "0.{000000000000000001}",   // 1/(10^18 - 1): never expanded by the display
          "0.{0000000000000000001}",  // a denominator beyond 64 bits
          "５５５x",
          "1\xC2\xA0"
          "2",
          // A first group of 0, or led by 0, is no grouping: no silent factor of 1000.
          "0,125", "0,001", "012,345", "-0,250", "0'125", "0\u00A0125", "0，125",
          "1\u00A0000/3",  // a thousand thirds, or one and no thirds
          "4\u200B2",      // invisible marks only at the ends
          "\x1F"
          "5",
          // 1/109's first 101 digits of its 108-digit period: another number.
          "0.{009174311926605504587155963302752293577981651376146788990825688073394495412844"
          "03669724770642201834862}"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParsePastedNumber(text).has_value());
    }
}

}  // namespace
}  // namespace tomaro
