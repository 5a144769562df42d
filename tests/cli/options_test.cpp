// The command line of tomaro-cli: which arguments are options, which are keys, and which
// values are refused.
#include "cli/options.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tomaro {
namespace {

std::variant<CliOptions, OptionError> parse(std::vector<std::string_view> args) {
    return ParseOptions(args);
}

TEST(CliOptions, DefaultsAreTheDialogsDisplay) {
    const auto parsed = parse({});
    const CliOptions& o = std::get<CliOptions>(parsed);
    EXPECT_EQ(o.action, CliOptions::Action::Play);
    EXPECT_FALSE(o.json);
    EXPECT_FALSE(o.trace);
    EXPECT_FALSE(o.keys_from.has_value());
    EXPECT_EQ(o.geometry.width, 200);
    EXPECT_EQ(o.geometry.height, 40);
    EXPECT_EQ(o.geometry.char_width, 8);
    EXPECT_EQ(o.geometry.char_height, 16);
}

struct Accepted {
    std::vector<std::string_view> args;
    std::vector<std::string> tokens;
    bool json, trace;
    DisplayGeometry geometry;
    std::string keys_from;  // "" for none
};

TEST(CliOptions, OptionsMayStandAnywhereAndTheRestAreTokens) {
    const Accepted rows[] = {
        {{"1", "+", "2", "="}, {"1", "+", "2", "="}, false, false, {}, ""},
        // A lone "-" and words that merely contain dashes are keys.
        {{"5", "-", "M-", "3"}, {"5", "-", "M-", "3"}, false, false, {}, ""},
        {{"7", "--json", "/", "--trace", "2"}, {"7", "/", "2"}, true, true, {}, ""},
        {{"--width", "320", "--height=48", "--char-width", "7", "--char-height=1000"},
         {},
         false,
         false,
         {320, 48, 7, 1000},
         ""},
        {{"--width=1", "--width", "100000"}, {}, false, false, {100000, 40, 8, 16}, ""},
        {{"--keys-from", "-", "="}, {"="}, false, false, {}, "-"},
        {{"--keys-from=keys.txt"}, {}, false, false, {}, "keys.txt"},
        // The value of --keys-from is taken as it stands, even if it looks like an option.
        {{"--keys-from", "--json"}, {}, false, false, {}, "--json"},
        // After "--" every argument is a token, "--json" and a second "--" included.
        {{"--json", "--", "--json", "--", "-"}, {"--json", "--", "-"}, true, false, {}, ""},
    };
    for (const Accepted& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        const auto parsed = parse(row.args);
        ASSERT_TRUE(std::holds_alternative<CliOptions>(parsed))
            << std::get<OptionError>(parsed).message;
        const CliOptions& o = std::get<CliOptions>(parsed);
        EXPECT_EQ(o.action, CliOptions::Action::Play);
        EXPECT_EQ(o.tokens, row.tokens);
        EXPECT_EQ(o.json, row.json);
        EXPECT_EQ(o.trace, row.trace);
        EXPECT_EQ(o.geometry.width, row.geometry.width);
        EXPECT_EQ(o.geometry.height, row.geometry.height);
        EXPECT_EQ(o.geometry.char_width, row.geometry.char_width);
        EXPECT_EQ(o.geometry.char_height, row.geometry.char_height);
        EXPECT_EQ(o.keys_from.value_or(""), row.keys_from);
    }
}

TEST(CliOptions, HelpAndVersionEndTheParsingWhereTheyStand) {
    const struct {
        std::vector<std::string_view> args;
        CliOptions::Action action;
    } rows[] = {
        {{"--help"}, CliOptions::Action::Help},
        {{"1", "--version", "--bogus", "--width", "0"}, CliOptions::Action::Version},
        {{"--help", "--version"}, CliOptions::Action::Help},
        {{"--version", "--help"}, CliOptions::Action::Version},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        const auto parsed = parse(row.args);
        ASSERT_TRUE(std::holds_alternative<CliOptions>(parsed));
        EXPECT_EQ(std::get<CliOptions>(parsed).action, row.action);
    }
    // An error before them still counts.
    EXPECT_TRUE(std::holds_alternative<OptionError>(parse({"--bogus", "--help"})));
}

struct Refused {
    std::vector<std::string_view> args;
    std::string named;  // the message must name this
};

TEST(CliOptions, BadOptionsAndValuesAreRefusedByName) {
    const Refused rows[] = {
        // Named with the position of the option among the arguments.
        {{"--frobnicate"}, "unknown option '--frobnicate' at argument 1"},
        {{"1", "+", "--frob=\x1b"}, "unknown option '--frob=\\x1b' at argument 3"},
        {{"1", "--width", "0"}, "option --width at argument 2: '0' is not"},
        {{"--json", "--keys-from", "a", "--keys-from=a"}, "option --keys-from at argument 4"},
        {{"---"}, "---"},
        {{"--Json"}, "--Json"},  // options, unlike key words, are spelt exactly
        {{"--width"}, "--width"},
        {{"--width", "0"}, "--width"},
        {{"--width", "100001"}, "--width"},
        {{"--height", "-1"}, "--height"},
        {{"--height", "+40"}, "--height"},
        {{"--height", " 40"}, "--height"},
        {{"--char-width", "1001"}, "--char-width"},
        {{"--char-width", "8px"}, "--char-width"},
        {{"--char-height", "99999999999999999999"}, "--char-height"},
        {{"--char-height="}, "--char-height"},
        {{"--json=1"}, "--json"},
        {{"--trace=yes"}, "--trace"},
        {{"--version=2"}, "--version"},
        {{"--keys-from"}, "--keys-from"},
        {{"--keys-from="}, "--keys-from"},
        {{"--keys-from", "a", "--keys-from", "a"}, "--keys-from"},
        {{"1", "--clipboard"}, "option --clipboard at argument 2 needs a text"},
        {{"--clipboard=", "--clipboard", "5"}, "--clipboard may be given only once"},
    };
    for (const Refused& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.args));
        const auto parsed = parse(row.args);
        ASSERT_TRUE(std::holds_alternative<OptionError>(parsed));
        const std::string& message = std::get<OptionError>(parsed).message;
        EXPECT_NE(message.find(row.named), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}

}  // namespace
}  // namespace tomaro
