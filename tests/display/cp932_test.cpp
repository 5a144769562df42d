// Layout lengths in the display's Japanese code page: one byte for ASCII and half-width
// katakana, two for every other character.
#include "display/cp932.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "display/expand_decimal.hpp"
#include "engine/calc_state.hpp"

namespace tomaro {
namespace {

TEST(Cp932Length, CountsBytesOfTheCodePage) {
    const std::vector<std::pair<std::string, std::size_t>> rows = {
        {"", 0},
        {"-0.{3}", 6},
        {"\uFF61", 1},              // half-width full stop, first of the range
        {"\uFF71\uFF72\uFF73", 3},  // half-width katakana a, i, u
        {"\uFF9F", 1},              // half-width semi-voiced mark, last of the range
        {"\uFF60", 2},              // just below the half-width range
        {"\uFFA0", 2},              // just above it
        {"\u3042", 2},              // hiragana a
        {"\u6F22\u5B57", 4},        // kanji
        {"\uFF10\uFF08\u3002", 6},  // full-width zero, parenthesis, ideographic stop
        {"1\uFF71\u3042", 4},
        {std::string(kKindRecurring), 8},
    };
    for (const auto& [text, length] : rows)
        EXPECT_EQ(cp932_length(text), length) << text;
}

TEST(Cp932Length, MessagesOfTheDisplay) {
    // 18 full-width characters: short enough for the main line (40).
    EXPECT_EQ(cp932_length(kTooLargeMessage), 36u);
    EXPECT_EQ(cp932_length(kNoticeDivideByZero), 38u);
    EXPECT_EQ(cp932_length(kNoticeZeroDenominator), 40u);
}

TEST(Cp932Prefix, NeverSplitsACharacter) {
    struct Row {
        std::string text;
        std::size_t limit;
        std::string prefix;
    };
    const std::vector<Row> rows = {
        {"0.{0212765957446808510638297872340425531914893617}", 37,
         "0.{0212765957446808510638297872340425"},
        {"ab\u6F22\u5B57", 0, ""},
        {"ab\u6F22\u5B57", 3, "ab"},  // the kanji would need bytes 3 and 4
        {"ab\u6F22\u5B57", 4, "ab\u6F22"},
        {"ab\u6F22\u5B57", 5, "ab\u6F22"},
        {"ab\u6F22\u5B57", 6, "ab\u6F22\u5B57"},
        {"ab\u6F22\u5B57", 100, "ab\u6F22\u5B57"},
        {"\uFF71\uFF72\u3042", 2, "\uFF71\uFF72"},
        {"\uFF71\uFF72\u3042", 3, "\uFF71\uFF72"},
        {"\u3042\uFF71", 3, "\u3042\uFF71"},
        {std::string(kTooLargeMessage), 37, std::string(kTooLargeMessage)},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(cp932_prefix(r.text, r.limit), r.prefix) << r.text << " within " << r.limit;
    }
    // Every prefix of the message ends on a character boundary and fits its limit.
    const std::string message(kTooLargeMessage);
    for (std::size_t limit = 0; limit <= 37; ++limit) {
        const std::string_view p = cp932_prefix(message, limit);
        EXPECT_EQ(cp932_length(p), limit / 2 * 2) << limit;
        EXPECT_EQ(p.size() % 3, 0u) << limit;  // each of its characters is 3 UTF-8 bytes
    }
}

}  // namespace
}  // namespace tomaro
