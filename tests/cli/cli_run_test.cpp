// tomaro-cli run as a program: what it says on standard error, traces of many keys, key
// files, help.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/run_cli.hpp"

namespace tomaro::testing {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The "key" member of a trace line: null, or the string.
std::string key_of(const std::string& json_line) {
    const std::string prefix = "{\"key\":";
    if (!json_line.starts_with(prefix)) return "<no key first>";
    const std::size_t start = prefix.size();
    if (json_line.compare(start, 4, "null") == 0) return "null";
    const std::size_t end = json_line.find('"', start + 1);
    return json_line.substr(start + 1, end - start - 1);
}

struct Refusal {
    std::vector<std::string> args;
    std::string input;
    std::vector<std::string> told;  // each must appear in the message on standard error
};

TEST(CliRefusals, NameTheCulpritOnStandardErrorAndPrintNothing) {
    const Refusal rows[] = {
        {{"1", "+", "foo"}, "", {"'foo'", "position 3"}},
        {{"7", "BAR", "vk:256"}, "", {"'vk:256'", "position 3", "0 to 255"}},
        // File tokens count first, then the command line.
        {{"--keys-from", "-", "2", "=", "?"}, "1 +\n3 *\n", {"'?'", "position 7"}},
        {{"--keys-from", "-"}, "1 + 2\n\n  =   x9 =\n", {"'x9'", "position 5"}},
        {{"--", "--json"}, "", {"'--json'", "position 1"}},
        {{"--frobnicate"}, "", {"--frobnicate"}},
        {{"--width", "0"}, "", {"--width", "'0'"}},
        {{"1", "--width", "0"}, "", {"--width at argument 2", "'0'"}},
        {{"1", "--width"}, "", {"--width", "needs a value"}},
        {{"--keys-from", "/nonexistent/keys.txt"}, "", {"/nonexistent/keys.txt"}},
        // Bytes that cannot belong to a token, named with their place; the message whole.
        {{"--keys-from", "-"},
         std::string("1 + 2\0"
                     "3 =",
                     9),
         {"byte 6 of standard input: NUL is not allowed in a key file (token 3)"}},
        {{"--keys-from", "/dev/zero"}, "", {"byte 1 of /dev/zero: NUL is not allowed"}},
        {{"--keys-from", "-"}, "1 \x1b[2J", {"byte 3 of standard input: control character \\x1b"}},
        {{"--keys-from", "-"}, "1 \xff", {"byte 3 of standard input: invalid UTF-8 byte \\xff"}},
        // Tokens shown safely and briefly.
        {{"1", "\x1b[2J"}, "", {"bad token '\\x1b[2J' at position 2"}},
        {{"--keys-from", "-"},
         std::string(100000, '9') + "x",
         {"bad token '" + std::string(40, '9') + "'\u2026 (100001 bytes) at position 1"}},
    };
    for (const Refusal& row : rows) {
        std::string command;
        for (const std::string& a : row.args)
            command += " " + a;
        SCOPED_TRACE("tomaro-cli" + command);
        const CliRun run = run_cli(row.args, row.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("tomaro-cli: ")) << run.err;
        // On its first line: nothing cut it short, nothing it showed broke it.
        const std::string message = run.err.substr(0, run.err.find('\n'));
        for (const std::string& part : row.told) {
            EXPECT_NE(message.find(part), std::string::npos) << "missing " << part << " in\n"
                                                             << run.err;
        }
    }
}

// A bad token at the end stops the keys before it from playing: not even the start state
// or a trace line gets out.
TEST(CliRefusals, NoKeyPlaysBeforeTheLastTokenIsChecked) {
    std::string keys;
    for (int i = 0; i < 20000; ++i)
        keys += "1 + ";
    keys += "bogus";
    const CliRun run = run_cli({"--json", "--trace", "--keys-from", "-"}, keys);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("position 40001"), std::string::npos) << run.err;
}

TEST(CliTrace, PrintsTheStartAndOneLinePerKeyCharacter) {
    const CliRun run = run_cli({"--json", "--trace", "12.5", "+", "bar", "vk:13", "TICK"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> keys;
    for (const std::string& line : lines_of(run.out))
        keys.push_back(key_of(line));
    const std::vector<std::string> expected = {"null", "1",   "2",     ".",   "5",
                                               "+",    "bar", "vk:13", "TICK"};
    EXPECT_EQ(keys, expected);
}

TEST(CliTrace, TextTraceHeadsEveryPictureWithItsKey) {
    const CliRun run = run_cli({"--trace", "--keys-from", "-", "ce"}, "1.5 NEG\n");
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> headings;
    for (const std::string& line : lines_of(run.out)) {
        if (line.starts_with("--")) headings.push_back(line);
    }
    const std::vector<std::string> expected = {"-- start",  "-- key: 1",   "-- key: .",
                                               "-- key: 5", "-- key: NEG", "-- key: ce"};
    EXPECT_EQ(headings, expected);
}

// A long key file, played in pieces: the final state must be that of the whole sequence,
// whatever the pieces are. 3000 rounds of "+ 7" then "=" leave 21000 + the first 7.
TEST(CliKeyFile, ALongFileEndsInTheStateOfTheWholeSequence) {
    const ScratchDir dir;
    const auto path = dir.path() / "keys.txt";
    {
        std::ofstream f(path);
        f << "7";
        for (int i = 0; i < 3000; ++i)
            f << (i % 7 == 0 ? "\n+\t" : " + ") << "7";
        f << " =";
    }
    const CliRun run = run_cli({"--keys-from", path.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "21'007\n[] [21007.00000000000] [整数] [=]\n");
}

// Standard input is kept, a file read twice: the keys they play, and the texts the trace
// shows for them, must be the same.
TEST(CliKeyFile, StandardInputPlaysExactlyAsTheSameFile) {
    const ScratchDir dir;
    const auto path = dir.path() / "keys.txt";
    const std::string keys = "3 Bar 2 + 6 bAR 1 = = m+ Tick vK:013 vk:65 000 1.5 ac " +
                             std::string(300, '8') + " BS * 7 =\n";
    std::ofstream(path, std::ios::binary) << keys;
    const CliRun from_file = run_cli({"--json", "--trace", "--keys-from", path.string(), "="});
    const CliRun from_stdin = run_cli({"--json", "--trace", "--keys-from", "-", "="}, keys);
    ASSERT_EQ(from_file.status, 0) << from_file.err;
    EXPECT_EQ(lines_of(from_file.out).size(), 1u + 323u);
    EXPECT_EQ(from_stdin.status, 0) << from_stdin.err;
    EXPECT_TRUE(from_stdin.out == from_file.out);
    EXPECT_EQ(key_of(lines_of(from_stdin.out)[2]), "Bar");
}

TEST(CliHelp, ListsUsageOptionsAndTokensAndSucceeds) {
    // --help ends the parsing where it stands: the unknown option after it is never seen.
    const CliRun run = run_cli({"1", "--help", "--frobnicate"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("Usage: tomaro-cli")) << run.out;
    for (const char* word :
         {"--json", "--trace", "--keys-from", "--width", "--height", "--char-width",
          "--char-height", "--version", "TICK", "vk:N", "M+", "BAR", "INV", "NEG", "000"}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace tomaro::testing
