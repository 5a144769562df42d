// Key files are read a piece at a time; the pieces must not change a single key, a single
// error or its position. Standard input and pipes are kept, within limits, and must play the
// same keys.
#include "cli/key_stream.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/message_text.hpp"

namespace tomaro {
namespace {

class KeyFile {
public:
    explicit KeyFile(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    ~KeyFile() { std::filesystem::remove(path_); }
    const std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_ =
        std::filesystem::temp_directory_path() / ("tomaro-key-stream-" + std::to_string(getpid()));
};

// The text of every key, or the message of the refusal.
std::vector<std::string> played(std::variant<KeyStream, std::string> opened) {
    if (auto* e = std::get_if<std::string>(&opened)) return {"refused: " + *e};
    std::vector<std::string> texts;
    const auto stopped =
        std::get<KeyStream>(opened).ForEachKey([&](const Key& k) { texts.push_back(k.text); });
    if (stopped) texts.push_back("stopped: " + *stopped);
    return texts;
}

// The file read through a pipe, as standard input would be: kept, not read twice.
std::vector<std::string> played_from_pipe(const std::string& text,
                                          const std::vector<std::string>& command_line,
                                          const KeyStream::Limits& limits) {
    int fds[2];
    if (pipe(fds) != 0) return {"no pipe"};
    fcntl(fds[1], F_SETPIPE_SZ, 1 << 20);
    const bool written =
        write(fds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fds[1]);
    auto texts = played(KeyStream::Open("/dev/fd/" + std::to_string(fds[0]), command_line, limits));
    close(fds[0]);
    if (!written) texts.push_back("pipe too small");
    return texts;
}

constexpr std::size_t kPieceSizes[] = {1, 2, 3, 5, 8, 13, 161, KeyStream::Limits{}.piece_bytes};

TEST(KeyStream, FilesAndPipesPlayTheSameKeysAsTheWholeTextInAnyPieces) {
    // A digit run longer than a token is held plays character by character.
    const std::string digits(1000, '7');
    const std::string file = "  12.50 Bar\tvk:0013\n\nM+  000 =\r\n" + digits + " TICK ac 7";
    const std::vector<std::string> command_line = {"+", "3", "="};
    std::vector<std::string> all = SplitTokens(file);
    all.insert(all.end(), command_line.begin(), command_line.end());
    const auto whole = ParseKeyTokens(all);
    ASSERT_TRUE(std::holds_alternative<std::vector<Key>>(whole));
    std::vector<std::string> expected;
    for (const Key& k : std::get<std::vector<Key>>(whole))
        expected.push_back(k.text);
    ASSERT_EQ(expected.size(), 1016u);

    const KeyFile f(file);
    for (const std::size_t piece : kPieceSizes) {
        SCOPED_TRACE("piece of " + std::to_string(piece) + " bytes");
        EXPECT_EQ(played(KeyStream::Open(f.path(), command_line, {.piece_bytes = piece})),
                  expected);
        EXPECT_EQ(played_from_pipe(file, command_line, {.piece_bytes = piece, .kept_keys = 1016}),
                  expected);
    }
}

struct Bad {
    std::string file;
    std::vector<std::string> command_line;
    std::string message;
};

TEST(KeyStream, TheFirstBadByteOrTokenIsToldWithItsPlace) {
    const std::string long_bad = std::string(300, '1') + "x";
    const std::string vk_too_long = "vk:" + std::string(32, '0') + "7";
    const Bad rows[] = {
        {"bogus", {}, "bad token 'bogus' at position 1: unknown key"},
        {"1", {"+", ""}, "bad token '' at position 3: unknown key"},
        {"1 + 2 = 123456789 bogus", {}, "bad token 'bogus' at position 6: unknown key"},
        {"1 + 2\n=\n", {"3", "*", "zz"}, "bad token 'zz' at position 7: unknown key"},
        {"",
         {"1", "vk:999"},
         "bad token 'vk:999' at position 2: a virtual-key code is a number "
         "from 0 to 255"},
        {vk_too_long,
         {},
         "bad token '" + vk_too_long + "' at position 1: a virtual-key code has at most 32 digits"},
        // Only the first bad token is told, a file's before the command line's.
        {"  1  x  y ", {"z"}, "bad token 'x' at position 2: unknown key"},
        {long_bad,
         {},
         "bad token '1111111111111111111111111111111111111111'\u2026 (301 bytes) at "
         "position 1: unknown key"},
        {std::string("1 + 2\0"
                     "3 =",
                     9),
         {},
         "byte 6 of F: NUL is not allowed in a key file (token 3)"},
        {"1 + \x1b[2J",
         {},
         "byte 5 of F: control character \\x1b is not allowed in a key file "
         "(token 3)"},
        {"1 \x7f",
         {},
         "byte 3 of F: control character \\x7f is not allowed in a key file (token 2)"},
        {"1 + \xff =",
         {},
         "byte 5 of F: invalid UTF-8 byte \\xff is not allowed in a key file "
         "(token 3)"},
        {"1 \xc0\xaf",
         {},
         "byte 3 of F: invalid UTF-8 byte \\xc0 is not allowed in a key "
         "file (token 2)"},
        {"1 \xed\xa0\x80",
         {},
         "byte 3 of F: invalid UTF-8 byte \\xed is not allowed in a key file "
         "(token 2)"},
        {"1 + 2 \xe2\x82",
         {},
         "byte 7 of F: invalid UTF-8 byte \\xe2 is not allowed in a key "
         "file (token 4)"},
        // A byte error ends the check where it stands: a bad token before it is told first.
        {"bogus \x01", {}, "bad token 'bogus' at position 1: unknown key"},
        {"\xe2\x82\xac bogus", {}, "bad token '\xe2\x82\xac' at position 1: unknown key"},
    };
    for (const Bad& row : rows) {
        const KeyFile f(row.file);
        std::string message = row.message;
        if (const auto at = message.find(" of F:"); at != std::string::npos) {
            message.replace(at + 4, 1, MessageText(f.path()));
        }
        for (const std::size_t piece : kPieceSizes) {
            SCOPED_TRACE(MessageText(row.file) + ", piece of " + std::to_string(piece));
            EXPECT_EQ(played(KeyStream::Open(f.path(), row.command_line, {.piece_bytes = piece})),
                      std::vector<std::string>{"refused: " + message});
        }
    }
}

TEST(KeyStream, RefusesMoreKeptKeysThanItsLimitAndFilesItCannotRead) {
    const struct {
        std::string text;
        KeyStream::Limits limits;
        std::string told;  // in the keys played, or in the refusal
    } rows[] = {
        {"1 2 3 4 5", {.piece_bytes = 2, .kept_keys = 5}, "1 2 3 4 5"},
        {"12345 6", {.piece_bytes = 2, .kept_keys = 5}, "holds more than 5 keys"},
        {"1\t+\n23", {.piece_bytes = 2, .kept_bytes = 6}, "1 + 2 3"},
        {"1 + 23 ", {.piece_bytes = 2, .kept_bytes = 6}, "holds more than 6 bytes"},
    };
    for (const auto& row : rows) {
        std::string told;
        for (const std::string& text : played_from_pipe(row.text, {}, row.limits))
            told += (told.empty() ? "" : " ") + text;
        EXPECT_NE(told.find(row.told), std::string::npos) << told;
    }

    const auto dir = std::filesystem::temp_directory_path();
    for (const std::filesystem::path& bad : {dir / "tomaro-missing-keys.txt", dir}) {
        const auto refused = played(KeyStream::Open(bad.string(), {}));
        ASSERT_EQ(refused.size(), 1u);
        EXPECT_TRUE(refused[0].starts_with("refused: cannot read key file '" + bad.string() + "'"))
            << refused[0];
    }
}

TEST(MessageText, EscapesWhatATerminalWouldActOnAndCutsLongTexts) {
    const struct {
        std::string in;
        std::string out;
    } rows[] = {
        {"bogus", "'bogus'"},
        {"\x1b[2J", "'\\x1b[2J'"},
        {std::string("a\0b", 3), "'a\\0b'"},
        {"a\\x1b", "'a\\\\x1b'"},
        {"\xff\xc3", "'\\xff\\xc3'"},
        {"\xc2\x9b"
         "1m",
         "'\\xc2\\x9b1m'"},  // a C1 control character
        {"整数\xc3\xa9", "'整数\xc3\xa9'"},
        {std::string(40, 'x'), "'" + std::string(40, 'x') + "'"},
        {std::string(41, 'x'), "'" + std::string(40, 'x') + "'\u2026 (41 bytes)"},
        {std::string(15, '\x01') + std::string(30, 'x'),
         "'" + std::string(15 * 4, '?') + std::string(25, 'x') + "'\u2026 (45 bytes)"},
    };
    for (const auto& row : rows) {
        std::string expected = row.out;
        for (std::size_t at; (at = expected.find("????")) != std::string::npos;)
            expected.replace(at, 4, "\\x01");
        EXPECT_EQ(Quoted(row.in), expected);
    }
}

}  // namespace
}  // namespace tomaro
