// The display said as one line and as it is spoken.
#include "display/display_reading.hpp"

#include <gtest/gtest.h>

#include "tests/support/display_keys.hpp"

namespace tomaro {
namespace {

using testing::shown;

TEST(DisplayReading, OneLineAndSpokenForEveryLayout) {
    const struct {
        std::string_view keys;
        std::string reading;
        std::string spoken;
    } rows[] = {
        {"1 2 3 4 5 6 7", "1234567", "1234567"},
        {"5 NEG", "-5", "マイナス5"},
        {"3 BAR 2 + 6 BAR 1 =", "5/6", "6分の5"},
        {"6 BAR 5 NEG", "-5/6", "マイナス6分の5"},
        {"6 NEG BAR 5", "5/-6", "マイナス6分の5"},  // a sign on either line is said once
        {"3 BAR 2 + 6 BAR 1 = =", "0 5/6", "0と6分の5"},
        {"3 BAR 7 = =", "2 1/3", "2と3分の1"},
        {"3 BAR 7 NEG + 0 = =", "-2 1/3", "マイナス2と3分の1"},
        {"1 . 5 0", "1.50", "1.50"},
        {"3 BAR 2 + 6 BAR 1 = = =", "0.8{3}", "0.83、以下3の繰り返し"},
        {"7 BAR 1 NEG = = =", "-0.{142857}", "マイナス0.142857、以下142857の繰り返し"},
        {"9 7 BAR 1 = = =",  // cut by the display
         "0.{0103092783505154639175257731958762886597938144329896907216494845360...",
         "0.0103092783505154639175257731958762886597938144329896907216494845360、以下省略"},
        {"9 9 9 9 9 9 9 9 9 9 * 9 9 9 9 9 9 9 9 9 9 =", "99999999980000002048/1",
         "エラー、1分の99999999980000002048"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.keys);
        const auto calc = shown(r.keys);
        EXPECT_EQ(DisplayReading(calc.model()), r.reading);
        EXPECT_EQ(SpokenReading(calc.model()), r.spoken);
    }
}

}  // namespace
}  // namespace tomaro
