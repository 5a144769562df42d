// The words that tomaro-cli (and the tests) use for keys: "7", "12.50", "BAR", "M+",
// "TICK", "vk:13". Every token is checked before any key plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tomaro {

struct Key {
    enum Kind : std::uint8_t { Button, NoticeTimer, VirtualKey, MenuItem };
    Kind kind = Button;
    // Button: the button's control id; VirtualKey: the virtual-key code; MenuItem: the
    // context menu item's command id
    int code = 0;
    std::string text;  // as typed: one character of a number, or the word
};
using PlayKey = std::function<void(const Key&)>;

struct TokenError {
    std::size_t position;  // 1-based, among all tokens
    std::string token;
    std::string reason;
};

// A number token ("12.50") becomes one key per character.
std::variant<std::vector<Key>, TokenError> ParseKeyTokens(const std::vector<std::string>& tokens);

// Splits text on whitespace, for key files and for tests ("3 BAR 2 + 6 BAR 1 =").
std::vector<std::string> SplitTokens(std::string_view text);

// What one token is: a word (one key), a number (one key per character) or bad.
struct TokenClass {
    enum Kind : std::uint8_t { Word, Number, Bad };
    Kind kind = Bad;
    Key::Kind key = Key::Button;  // Word: its key
    int code = 0;
    std::string_view reason;  // Bad: why, one line
};
TokenClass ClassifyToken(std::string_view token);
// Every word ("7", "BAR", "TICK"), in upper case and in the table's order, with its key.
std::vector<std::pair<std::string_view, TokenClass>> KeyWords();

constexpr bool IsNumberChar(char c) {
    return c == '.' || (c >= '0' && c <= '9');
}

// Plays the keys of a token that is not bad, spelt as typed, through key (reused, so that
// its text needs no new memory).
void PlayToken(std::string_view token, const TokenClass& c, Key& key, const PlayKey& play);

}  // namespace tomaro
