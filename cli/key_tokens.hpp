// The words that tomaro-cli (and the tests) use for keys: "7", "12.50", "BAR", "M+",
// "TICK", "vk:13". Every token is checked before any key plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tomaro {

struct Key {
    enum Kind : std::uint8_t { Button, NoticeTimer, VirtualKey };
    Kind kind = Button;
    int code = 0;      // Button: the button's control id; VirtualKey: the virtual-key code
    std::string text;  // as typed: one character of a number, or the word
};

struct TokenError {
    std::size_t position;  // 1-based, among all tokens
    std::string token;
    std::string reason;
};

// A number token ("12.50") becomes one key per character.
std::variant<std::vector<Key>, TokenError> ParseKeyTokens(const std::vector<std::string>& tokens);

// Splits text on whitespace, for key files and for tests ("3 BAR 2 + 6 BAR 1 =").
std::vector<std::string> SplitTokens(std::string_view text);

// A key in two bytes, spelling included: the keys of standard input are kept in this form
// until every one is checked, and a key file is played from it piece by piece.
using KeyCode = std::uint16_t;

// What one token is: a word (one key), a number (one key per character) or bad.
struct TokenClass {
    enum Kind : std::uint8_t { Word, Number, Bad };
    Kind kind = Bad;
    KeyCode code = 0;         // Word: its key
    std::string_view reason;  // Bad: why, one line
};
TokenClass ClassifyToken(std::string_view token);

// A virtual-key code may be written with leading zeros, as long as it has at most this
// many digits: its spelling must fit in a KeyCode.
inline constexpr std::size_t kMaxVirtualKeyDigits = 32;

constexpr bool IsNumberChar(char c) {
    return c == '.' || (c >= '0' && c <= '9');
}
KeyCode NumberCharCode(char c);  // c: a digit or '.'

// The key a code stands for, its text spelt as it was typed. key is overwritten; its text
// is short enough that no memory is allocated for it.
void DecodeKey(KeyCode code, Key& key);

}  // namespace tomaro
