// What the display and the fields under it say for each representation of a value.
#include "display/compose_display.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "display/expand_decimal.hpp"
#include "tests/support/display_keys.hpp"

namespace tomaro {
namespace {

using testing::shown;

// Width 200 and "X" 8 pixels wide: the centre is 100 and the character cell 9. Without a
// font every character is one cell wide.
DisplayModel model_for(std::int32_t width = 200, const TextWidth& font = nullptr) {
    DisplayModel m;
    SetDisplayMetrics(m, {0, 0, width, 40}, 8, 16, font);
    return m;
}

struct Composed {
    CalcState s;
    DisplayModel m;
};

Composed compose(Fraction entry, Rep rep, std::int32_t width = 200,
                 const TextWidth& font = nullptr) {
    Composed c{{}, model_for(width, font)};
    c.s.entry = entry;
    c.s.entryRep = rep;
    ComposeDisplay(c.s, c.m);
    return c;
}

// REP_INTEGER rounds half away from zero; the readout keeps the unrounded value.
TEST(ComposeInteger, RoundsHalfAwayFromZero) {
    struct Row {
        Fraction entry;
        std::string text;
    };
    const std::int64_t two62 = std::int64_t{1} << 62;
    const std::vector<Row> rows = {
        {{0, 1}, "0"},
        {{7, 2}, "4"},
        {{-7, 2}, "-4"},
        {{7, -2}, "-4"},
        {{-7, -2}, "4"},
        {{5, 3}, "2"},
        {{4, 3}, "1"},
        {{-4, 3}, "-1"},
        {{1, 2}, "1"},
        {{-1, 2}, "-1"},
        {{1, 3}, "0"},
        {{-1, 3}, "0"},
        {{5, 10}, "1"},
        {{kInt64Min, 1}, "-9223372036854775808"},
        {{kInt64Max, 2}, "4611686018427387904"},
        {{kInt64Min, 3}, "-3074457345618258603"},
        // Remainders of 2^62 and more: doubling them in 64 bits would wrap negative.
        {{two62, kInt64Max}, "1"},
        {{-two62, kInt64Max}, "-1"},
        {{two62 - 1, kInt64Max}, "0"},
        {{kInt64Max, kInt64Min}, "-1"},
        {{kInt64Min, kInt64Max}, "-1"},
        {{kInt64Max - 1, kInt64Max}, "1"},
    };
    for (const Row& r : rows) {
        const Composed c = compose(r.entry, REP_INTEGER);
        EXPECT_EQ(c.m.mainText, r.text) << r.entry.num << "/" << r.entry.den;
        EXPECT_EQ(c.m.mainX, 100);
        EXPECT_EQ(c.s.kindText, kKindInteger);
    }
    EXPECT_EQ(compose({7, 2}, REP_INTEGER).s.readoutText, "3.500000000000000");
}

struct MarksRow {
    Int64 value;
    std::vector<std::pair<std::size_t, std::int32_t>> marks;  // digit index, x - mainX
    TextWidth font = nullptr;
};

// Fonts as a host measures them, whole pixels for a whole text. Every character a cell of 9
// with 8 of ink, as the CLI's and the terminal's; digits 7.625 wide, as the window's; a "1"
// of 4 and a "-" of 6 among digits of 8.
std::int32_t cells(std::string_view t) {
    return static_cast<std::int32_t>(t.size()) * 9 - 1;
}
std::int32_t window_digits(std::string_view t) {
    return static_cast<std::int32_t>(std::lround(static_cast<double>(t.size()) * 7.625));
}
std::int32_t narrow_one(std::string_view t) {
    std::int32_t w = 0;
    for (const char c : t)
        w += c == '1' ? 4 : c == '-' ? 6 : 8;
    return w;
}

// A mark over every third digit from the right, 3 pixels above the main line, over the
// centre of its digit as drawn (one pixel left); listed from left to right.
TEST(ComposeInteger, GroupMarks) {
    const std::vector<MarksRow> rows = {
        {0, {}},
        {123, {}},
        {-123, {}},
        {1234, {{1, -5}}},  // (-1 * 9) / 2 truncates to -4
        {-1234, {{2, -1}}},
        {123456, {{3, 3}}},
        {1234567, {{1, -19}, {4, 8}}},
        {-1234567, {{2, -14}, {5, 12}}},
        {1234567890, {{1, -32}, {4, -5}, {7, 21}}},
        {1234567890123, {{1, -46}, {4, -19}, {7, 8}, {10, 35}}},
        {1234567890123456, {{1, -59}, {4, -32}, {7, -5}, {10, 21}, {13, 48}}},
        {123456789012345678, {{3, -50}, {6, -23}, {9, 3}, {12, 30}, {15, 57}}},
        {kInt64Max, {{1, -73}, {4, -46}, {7, -19}, {10, 8}, {13, 35}, {16, 62}}},
        {kInt64Min, {{2, -68}, {5, -41}, {8, -14}, {11, 12}, {14, 39}, {17, 66}}},
        // Measured, the cell rule all the same.
        {kInt64Min, {{2, -68}, {5, -41}, {8, -14}, {11, 12}, {14, 39}, {17, 66}}, cells},
        // Those digits' centres lie at -41.9, -19.1, 3.8, 26.7 and 49.6 from the centre.
        {123456789012345678, {{3, -42}, {6, -20}, {9, 2}, {12, 25}, {15, 48}}, window_digits},
        {-1111111, {{2, -6}, {5, 6}}, narrow_one},  // "1"s at 93-97 and 105-109
        {-9111, {{2, 2}}, narrow_one},              // its "1" at 101-105
    };
    for (const MarksRow& r : rows) {
        const Composed c = compose({r.value, 1}, REP_INTEGER, 200, r.font);
        std::vector<GroupMark> expected;
        for (const auto& [digit, dx] : r.marks)
            expected.push_back({digit, 100 + dx, 9});
        EXPECT_EQ(c.m.marks, expected) << r.value;
    }
    // The cell follows the font: "X" 7 wide, main line at 13, centre 60.
    Composed c{{}, {}};
    SetDisplayMetrics(c.m, {0, 0, 120, 40}, 7, 18);
    c.s.entry = {1234567, 1};
    ComposeDisplay(c.s, c.m);
    EXPECT_EQ(c.m.marks, (std::vector<GroupMark>{{1, 43, 10}, {4, 67, 10}}));
}

TEST(ComposeInteger, CentreIsHalfTheWidthWhateverTheLeftEdge) {
    CalcState s;
    DisplayModel m;
    SetDisplayMetrics(m, {10, 0, 211, 40}, 8, 16);
    ComposeDisplay(s, m);
    EXPECT_EQ(m.mainX, 100);  // (211 - 10) / 2
}

struct FractionRow {
    Fraction entry;
    std::string num, den;
    std::string_view kind;
    std::int32_t width, barLeft, barRight;
};

TEST(ComposeFraction, TextsKindAndBar) {
    const std::vector<FractionRow> rows = {
        {{12, 345}, "12", "345", kKindProper, 200, 82, 118},
        {{1, 2}, "1", "2", kKindProper, 200, 91, 109},
        {{2, 2}, "2", "2", kKindImproper, 200, 91, 109},
        {{3, 2}, "3", "2", kKindImproper, 200, 91, 109},
        {{0, 5}, "0", "5", kKindProper, 200, 91, 109},
        // A minus sign stays with its own part and counts in the width (w = 27).
        {{-1, 2}, "-1", "2", kKindProper, 200, 86, 113},
        {{1, -2}, "1", "-2", kKindProper, 200, 86, 113},
        {{-3, -2}, "-3", "-2", kKindImproper, 200, 86, 113},
        // Magnitudes compared exactly, 2^63 included.
        {{kInt64Min, kInt64Max},
         "-9223372036854775808",
         "9223372036854775807",
         kKindImproper,
         200,
         5,
         194},
        {{kInt64Max, kInt64Min},
         "9223372036854775807",
         "-9223372036854775808",
         kKindProper,
         200,
         5,
         194},
        {{kInt64Min, kInt64Min},
         "-9223372036854775808",
         "-9223372036854775808",
         kKindImproper,
         200,
         5,
         194},
        // Wider than the display: (100 - 189) / 2 truncates toward zero to -44.
        {{kInt64Min, 1}, "-9223372036854775808", "1", kKindImproper, 100, -44, 144},
    };
    for (const FractionRow& r : rows) {
        const Composed c = compose(r.entry, REP_FRACTION, r.width);
        SCOPED_TRACE(r.num + "/" + r.den);
        EXPECT_EQ(c.m.numText, r.num);
        EXPECT_EQ(c.m.denText, r.den);
        EXPECT_EQ(c.s.kindText, r.kind);
        EXPECT_EQ(c.m.numX, r.width / 2);
        EXPECT_EQ(c.m.denX, r.width / 2);
        EXPECT_EQ(c.m.barLeft, r.barLeft);
        EXPECT_EQ(c.m.barRight, r.barRight);
    }
}

struct MixedRow {
    Fraction entry;
    std::string main, num, den;
    std::int32_t mainX, numX, barLeft, barRight;
};

TEST(ComposeMixed, TextsAndLayout) {
    const std::vector<MixedRow> rows = {
        {{247, 2}, "123", "1", "2", 106, 112, 109, 127},
        {{1, 12345}, "0", "1", "12345", 79, 85, 82, 136},
        // A two-character integer part over a one-digit denominator: s = 9 / 2 = 4.
        {{-7, 2}, "-3", "1", "2", 101, 107, 104, 122},
        {{7, -2}, "-3", "1", "2", 101, 107, 104, 122},
        {{-1, 2}, "-0", "1", "2", 101, 107, 104, 122},
        {{1, -2}, "-0", "1", "2", 101, 107, 104, 122},
        {{1, 2}, "0", "1", "2", 97, 103, 100, 118},
        {{0, -5}, "0", "0", "5", 97, 103, 100, 118},
        // s = (-3 * 9) / 2 truncates toward zero to -13.
        {{1, 1234}, "0", "1", "1234", 84, 90, 87, 132},
        {{kInt64Min, 3}, "-3074457345618258602", "2", "3", 182, 188, 185, 203},
        // |den| = 2^63 is written in full: s = (-17 * 9) / 2 = -76.
        {{1, kInt64Min}, "-0", "1", "9223372036854775808", 21, 27, 24, 204},
    };
    for (const MixedRow& r : rows) {
        const Composed c = compose(r.entry, REP_MIXED);
        SCOPED_TRACE(std::to_string(r.entry.num) + "/" + std::to_string(r.entry.den));
        EXPECT_EQ(c.m.mainText, r.main);
        EXPECT_EQ(c.m.numText, r.num);
        EXPECT_EQ(c.m.denText, r.den);
        EXPECT_EQ(c.m.mainX, r.mainX);
        EXPECT_EQ(c.m.numX, r.numX);
        EXPECT_EQ(c.m.denX, r.numX);
        EXPECT_EQ(c.m.barLeft, r.barLeft);
        EXPECT_EQ(c.m.barRight, r.barRight);
        EXPECT_EQ(c.s.kindText, kKindMixed);
    }
    EXPECT_EQ(compose({-7, 2}, REP_MIXED).s.readoutText, "-3.500000000000000");
}

struct DecimalPlacementRow {
    Fraction entry;
    std::string num, main, den;
    bool twoLines;
    std::string_view kind;
};

TEST(ComposeDecimal, OneLineUpTo40BytesThenTwoLinesThenCut) {
    const std::string message(kTooLargeMessage);
    const std::vector<DecimalPlacementRow> rows = {
        {{150, 100}, "", "1.50", "", false, kKindTerminating},
        {{1, 6}, "", "0.1{6}", "", false, kKindRecurring},
        // 40 bytes: still one line.
        {{1, 142}, "", "0.0{07042253521126760563380281690140845}", "", false, kKindRecurring},
        // 36 bytes of code page, although longer in UTF-8: the main line.
        {{1, 922337203685477505}, "", message, "", false, kKindDecimal},
        // 41 bytes: the lower line takes the last 4.
        {{1, 284}, "0.00{35211267605633802816901408450704", "", "225}", true, kKindRecurring},
        {{1, 47},
         "0.{0212765957446808510638297872340425",
         "",
         "531914893617}",
         true,
         kKindRecurring},
        // 72 bytes: the lower line holds the 35 that remain, uncut.
        {{1, 644},
         "0.00{15527950310559006211180124223602",
         "",
         "4844720496894409937888198757763975}",
         true,
         kKindRecurring},
        // 73 bytes and more: 33 bytes, then "...".
        {{1, 277},
         "0.{0036101083032490974729241877256317",
         "",
         "689530685920577617328519855595667...",
         true,
         kKindRecurring},
        {{1, 97},
         "0.{0103092783505154639175257731958762",
         "",
         "886597938144329896907216494845360...",
         true,
         kKindRecurring},
        {{1, 109},
         "0.{0091743119266055045871559633027522",
         "",
         "935779816513761467889908256880733...",
         true,
         kKindRecurring},
    };
    for (const DecimalPlacementRow& r : rows) {
        Composed c{{}, model_for()};
        c.m.numX = c.m.denX = c.m.mainX = -999;  // positions not written keep their values
        c.m.barLeft = c.m.barRight = -999;
        c.s.entry = r.entry;
        c.s.entryRep = REP_DECIMAL;
        ComposeDisplay(c.s, c.m);
        SCOPED_TRACE(std::to_string(r.entry.num) + "/" + std::to_string(r.entry.den));
        EXPECT_EQ(c.m.numText, r.num);
        EXPECT_EQ(c.m.mainText, r.main);
        EXPECT_EQ(c.m.denText, r.den);
        EXPECT_EQ(c.s.kindText, r.kind);
        EXPECT_EQ(c.m.mainX, r.twoLines ? -999 : 100);
        EXPECT_EQ(c.m.numX, r.twoLines ? 4 : -999);  // 9 / 2, truncated
        EXPECT_EQ(c.m.denX, r.twoLines ? 36 : -999);
        if (r.twoLines) {
            EXPECT_EQ(c.m.lowerIndent, 4);  // 36 pixels are 4 cells
        }
        EXPECT_EQ(c.m.barLeft, -999);
        EXPECT_EQ(c.m.barRight, -999);
    }
}

TEST(ComposeDecimal, TooLargeStillShowsTheValueInTheReadout) {
    // 1 / 922337203685477505 is about 1.0842e-18: J = -17, so 32 decimals.
    const Composed c = compose({1, 922337203685477505}, REP_DECIMAL);
    EXPECT_EQ(c.s.readoutText, "0.00000000000000000108420217248550");
}

TEST(ComposeError, ShowsTheShadowsNotTheEntry) {
    Composed c{{}, model_for()};
    c.s.entry = {2, 3};
    c.s.entryRep = REP_ERROR;
    c.s.accShadow = {1e19, 3e19};
    ComposeDisplay(c.s, c.m);
    EXPECT_EQ(c.m.numText, "10000000000000000000");
    EXPECT_EQ(c.m.denText, "30000000000000000000");
    EXPECT_EQ(c.s.kindText, kKindError);
    EXPECT_EQ(c.s.readoutText, "0.333333333333333");  // 1e19 / 3e19, not the entry's 2/3
    EXPECT_EQ(c.m.numX, 100);
    EXPECT_EQ(c.m.denX, 100);
    EXPECT_EQ(c.m.barLeft, 5);  // w = 21 * 9
    EXPECT_EQ(c.m.barRight, 194);

    c.s.accShadow = {-1.5e19, 2.0};
    ComposeDisplay(c.s, c.m);
    EXPECT_EQ(c.m.numText, "-15000000000000000000");
    EXPECT_EQ(c.m.denText, "2");
    EXPECT_EQ(c.s.readoutText, "-7500000000000000000");
}

TEST(ComposeError, TinyQuotientIsFormattedInFull) {
    // The denominator's shadow squares to the double nearest 10^36, which lies just above it,
    // so the quotient lies just below 10^-36: J = -36 and 51 decimals.
    const auto calc = shown("1 / 999999999999999999 * 1 / 999999999999999999 =");
    ASSERT_EQ(calc.state().entryRep, REP_ERROR);
    EXPECT_EQ(calc.model().numText, "1");
    EXPECT_EQ(calc.model().denText, "1000000000000000042420637374017961984");
    EXPECT_EQ(calc.state().kindText, kKindError);
    EXPECT_EQ(calc.state().readoutText, "0.000000000000000000000000000000000001000000000000000");
    EXPECT_EQ(calc.model().barLeft, (200 - 38 * 9) / 2);
    EXPECT_EQ(calc.model().barRight, (200 + 38 * 9) / 2);
}

TEST(ComposeReadout, PrecisionFollowsTheMagnitude) {
    struct Row {
        Fraction entry;
        std::string readout;
    };
    const std::vector<Row> rows = {
        {{1, 3}, "0.333333333333333"},
        {{2, 3}, "0.666666666666667"},
        {{22, 7}, "3.142857142857143"},
        {{100, 1}, "100.0000000000000"},
        {{1, 20}, "0.0500000000000000"},
        {{-7, 2}, "-3.500000000000000"},
        {{1000000000000000, 1}, "1000000000000000"},
        {{1, 10}, "0.100000000000000"},
        {{-1, 10}, "-0.100000000000000"},
        {{1, 100}, "0.0100000000000000"},
        {{1, 1000}, "0.00100000000000000"},
        {{1, 1000000}, "0.000001000000000000000"},
        {{0, -3}, "0.000000000000000"},  // zero over a negative: no minus sign
        // The exact 2^53 + 1 ties to 2^53; dividing the rounded numerator would give 2^53 + 2.
        {{27021597764222979, 3}, "9007199254740992"},
        {{kInt64Min, 1}, "-9223372036854775808"},
    };
    for (const Rep rep : {REP_INTEGER, REP_FRACTION, REP_MIXED, REP_DECIMAL}) {
        for (const Row& r : rows) {
            EXPECT_EQ(compose(r.entry, rep).s.readoutText, r.readout)
                << r.entry.num << "/" << r.entry.den << " as " << rep;
        }
    }
}

TEST(ComposeReadout, NoticeReplacesTheReadoutInEveryRepresentation) {
    for (const Rep rep : {REP_ERROR, REP_INTEGER, REP_FRACTION, REP_MIXED, REP_DECIMAL}) {
        Composed c{{}, model_for()};
        c.s.entry = {5, 6};
        c.s.entryRep = rep;
        c.s.accShadow = {1e19, 1.0};
        c.s.noticeText = kNoticeDivideByZero;
        ComposeDisplay(c.s, c.m);
        EXPECT_EQ(c.s.readoutText, kNoticeDivideByZero) << rep;
        // Everything else is composed as usual.
        EXPECT_EQ(c.s.kindText, compose({5, 6}, rep).s.kindText) << rep;
    }
}

TEST(ComposeReadout, NoticeLastsUntilItsTimerExpires) {
    EXPECT_EQ(shown("1 / 0 =").state().readoutText, kNoticeDivideByZero);
    EXPECT_EQ(shown("1 / 0 = TICK").state().readoutText, "1.000000000000000");
}

// The layout each composition records is the one the painter, the reading and the CLI's
// picture draw.
TEST(ComposeDisplay, RecordsTheLayoutItComposed) {
    using L = DisplayLayout;
    const struct {
        Fraction value;
        Rep rep;
        DisplayLayout layout;
    } rows[] = {
        {{5, 6}, REP_INTEGER, L::Integer},
        {{5, 6}, REP_FRACTION, L::Fraction},
        {{7, 6}, REP_MIXED, L::Mixed},
        {{5, 6}, REP_DECIMAL, L::DecimalOneLine},
        {{1, 97}, REP_DECIMAL, L::DecimalTwoLines},
        {{5, 6}, REP_ERROR, L::Error},
    };
    for (const auto& r : rows) {
        Composed c = compose(r.value, r.rep);
        EXPECT_EQ(c.m.layout, r.layout) << r.rep;
        // Composing another representation replaces the record.
        c.s.entryRep = r.rep == REP_INTEGER ? REP_FRACTION : REP_INTEGER;
        ComposeDisplay(c.s, c.m);
        EXPECT_NE(c.m.layout, r.layout) << r.rep;
    }
}

TEST(ComposeOperator, OneCharacterOfThePendingOperator) {
    for (const char op : {' ', '+', '-', '*', '/', '='}) {
        Composed c{{}, model_for()};
        c.s.pendingOp = op;
        c.s.opText = "stale";
        ComposeDisplay(c.s, c.m);
        EXPECT_EQ(c.s.opText, std::string(1, op));
    }
}

// Fields that a representation does not show keep whatever they held before.
TEST(ComposeDisplay, LeavesFieldsItDoesNotShow) {
    const auto stale_model = [] {
        DisplayModel m = model_for();
        m.numText = m.mainText = m.denText = "stale";
        m.numX = m.mainX = m.denX = m.barLeft = m.barRight = -999;
        return m;
    };
    const DisplayModel fixed = model_for();
    const auto compose_over_stale = [&](Rep rep) {
        Composed c{{}, stale_model()};
        c.s.entry = {5, 6};
        c.s.entryRep = rep;
        c.s.accShadow = {5.0, 6.0};
        c.s.memText = "M";
        ComposeDisplay(c.s, c.m);
        // Never written by composition at all.
        EXPECT_EQ(c.s.memText, "M");
        EXPECT_EQ(c.m.displayRect, fixed.displayRect);
        EXPECT_EQ(c.m.charWidth, fixed.charWidth);
        EXPECT_EQ(c.m.charHeight, fixed.charHeight);
        EXPECT_EQ(c.m.numY, fixed.numY);
        EXPECT_EQ(c.m.mainY, fixed.mainY);
        EXPECT_EQ(c.m.denY, fixed.denY);
        EXPECT_EQ(c.m.barY, fixed.barY);
        return c.m;
    };

    const DisplayModel integer = compose_over_stale(REP_INTEGER);
    EXPECT_EQ(integer.mainText, "1");
    EXPECT_EQ(integer.numText, "stale");
    EXPECT_EQ(integer.denText, "stale");
    EXPECT_EQ(integer.numX, -999);
    EXPECT_EQ(integer.denX, -999);
    EXPECT_EQ(integer.barLeft, -999);
    EXPECT_EQ(integer.barRight, -999);

    for (const Rep rep : {REP_FRACTION, REP_ERROR}) {
        const DisplayModel f = compose_over_stale(rep);
        EXPECT_EQ(f.numText, "5") << rep;
        EXPECT_EQ(f.mainText, "stale") << rep;
        EXPECT_EQ(f.mainX, -999) << rep;
    }

    const DisplayModel decimal = compose_over_stale(REP_DECIMAL);
    EXPECT_EQ(decimal.mainText, "0.8{3}");
    EXPECT_EQ(decimal.numText, "");
    EXPECT_EQ(decimal.denText, "");
    EXPECT_EQ(decimal.numX, -999);
    EXPECT_EQ(decimal.barLeft, -999);
}

// The road of one calculation, as keyed.
TEST(ComposeDisplay, KeyedValuesAndTheEqualsCycle) {
    struct Row {
        std::string keys;
        std::string main, num, den;  // the lines the representation shows; others unchecked
        std::string_view kind;
        std::string readout, op;
    };
    const std::vector<Row> rows = {
        {"", "0", "", "", kKindInteger, "0.000000000000000", " "},
        {"3 BAR 2", "", "2", "3", kKindProper, "0.666666666666667", " "},
        {"3 BAR 2 +", "", "2", "3", kKindProper, "0.666666666666667", "+"},
        {"3 BAR 2 + 6 BAR 1 =", "", "5", "6", kKindProper, "0.833333333333333", "="},
        {"3 BAR 2 + 6 BAR 1 = =", "0", "5", "6", kKindMixed, "0.833333333333333", "="},
        {"3 BAR 2 + 6 BAR 1 = = =", "0.8{3}", "", "", kKindRecurring, "0.833333333333333", "="},
        {"3 BAR 2 + 6 BAR 1 = = = =", "1", "", "", kKindInteger, "0.833333333333333", "="},
        {"3 NEG BAR", "", "0", "-3", kKindProper, "0.000000000000000", " "},
        {"1.50", "1.50", "", "", kKindTerminating, "1.500000000000000", " "},
        {"5 .", "5.", "", "", kKindTerminating, "5.000000000000000", " "},
        {".", "0.", "", "", kKindTerminating, "0.000000000000000", " "},
        {"0.00000000000000001", "0.00000000000000001", "", "", kKindTerminating,
         "0.0000000000000000100000000000000", " "},
    };
    for (const Row& r : rows) {
        const auto calc = shown(r.keys);
        SCOPED_TRACE(r.keys);
        const Rep rep = calc.state().entryRep;
        if (rep != REP_FRACTION) {
            EXPECT_EQ(calc.model().mainText, r.main);
        }
        if (rep != REP_INTEGER) {
            EXPECT_EQ(calc.model().numText, r.num);
            EXPECT_EQ(calc.model().denText, r.den);
        }
        EXPECT_EQ(calc.state().kindText, r.kind);
        EXPECT_EQ(calc.state().readoutText, r.readout);
        EXPECT_EQ(calc.state().opText, r.op);
    }
}

}  // namespace
}  // namespace tomaro
