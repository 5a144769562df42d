// Key files are parsed a piece at a time; the pieces must not change a single key or a
// single error position.
#include "cli/key_stream.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tomaro {
namespace {

std::vector<std::string> texts_of(const KeyStream& stream) {
    std::vector<std::string> texts;
    stream.ForEachKey([&](const Key& k) { texts.push_back(k.text); });
    return texts;
}

std::vector<std::string> texts_of(const std::vector<Key>& keys) {
    std::vector<std::string> texts;
    for (const Key& k : keys)
        texts.push_back(k.text);
    return texts;
}

constexpr std::size_t kPieceSizes[] = {1, 2, 3, 5, 8, 13, KeyStream::kPieceBytes};

TEST(KeyStream, PiecesPlayTheSameKeysAsTheWholeText) {
    const std::string file = "  12.50 BAR\tvk:13\n\nM+  000 =\r\nTICK ac 7";
    const std::vector<std::string> command_line = {"+", "3", "="};
    std::vector<std::string> all = SplitTokens(file);
    all.insert(all.end(), command_line.begin(), command_line.end());
    const auto whole = ParseKeyTokens(all);
    ASSERT_TRUE(std::holds_alternative<std::vector<Key>>(whole));
    const auto expected = texts_of(std::get<std::vector<Key>>(whole));

    for (const std::size_t piece : kPieceSizes) {
        SCOPED_TRACE("piece of " + std::to_string(piece) + " bytes");
        const KeyStream stream(file, command_line, piece);
        EXPECT_FALSE(stream.Check().has_value());
        EXPECT_EQ(texts_of(stream), expected);
    }
}

struct BadToken {
    std::string file;
    std::vector<std::string> command_line;
    std::size_t position;
    std::string token;
};

TEST(KeyStream, ErrorPositionsCountAcrossPiecesAndTheCommandLine) {
    const BadToken rows[] = {
        {"bogus", {}, 1, "bogus"},
        {"1 + 2 = 123456789 bogus", {}, 6, "bogus"},
        {"1 + 2\n=\n", {"3", "*", "zz"}, 7, "zz"},
        {"", {"1", "vk:999"}, 2, "vk:999"},
        // Only the first bad token is told.
        {"  1  x  y ", {"z"}, 2, "x"},
    };
    for (const BadToken& row : rows) {
        for (const std::size_t piece : kPieceSizes) {
            SCOPED_TRACE("\"" + row.file + "\", piece of " + std::to_string(piece));
            const KeyStream stream(row.file, row.command_line, piece);
            const auto error = stream.Check();
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->position, row.position);
            EXPECT_EQ(error->token, row.token);
        }
    }
}

}  // namespace
}  // namespace tomaro
