#include "cli/key_tokens.hpp"

#include <array>
#include <cctype>

#include "shell/button_commands.hpp"

namespace tomaro {
namespace {

struct Word {
    std::string_view word;  // in upper case
    Key::Kind kind;
    Command command;
};

// Every command under the engine's word for it, in the engine's order, so that a digit's
// or the point's index is its command; then the notice timer.
constexpr auto kWords = [] {
    std::array<Word, kCommandCount + 1> words{};
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto c = static_cast<Command>(i);
        words[i] = {CommandWord(c), Key::Button, c};
    }
    words.back() = {"TICK", Key::NoticeTimer, Command::Equals};  // the command is not used
    return words;
}();
constexpr auto kPointIndex = static_cast<KeyCode>(Command::Point);

// A word's code: its index in kWords, and above it one bit per character typed in lower
// case. A virtual key's code: the top bit, the code, a bit each for "v" and "k" in lower
// case, and the count of leading zeros.
constexpr int kCaseShift = 5;
constexpr KeyCode kVirtualKeyBit = 0x8000;
constexpr int kVkCaseShift = 8;
constexpr int kVkZerosShift = 10;
constexpr std::string_view kVirtualKeyPrefix = "VK:";
constexpr int kMaxVirtualKey = 255;

static_assert(std::size(kWords) <= (1u << kCaseShift));
static_assert(kMaxVirtualKeyDigits - 1 < (1u << (15 - kVkZerosShift)));

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
bool is_lower(char c) {
    return c >= 'a' && c <= 'z';
}

// The bits of the characters of text typed in lower case.
unsigned case_bits(std::string_view text) {
    unsigned bits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (is_lower(text[i])) bits |= 1u << i;
    }
    return bits;
}

bool same_word(std::string_view token, std::string_view word) {
    if (token.size() != word.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (upper(token[i]) != word[i]) return false;
    }
    return true;
}

TokenClass word(KeyCode code) {
    return {TokenClass::Word, code, {}};
}
TokenClass bad(std::string_view reason) {
    return {TokenClass::Bad, 0, reason};
}

TokenClass virtual_key(std::string_view token) {
    const std::string_view digits = token.substr(kVirtualKeyPrefix.size());
    int code = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9' || code > kMaxVirtualKey) {
            return bad("a virtual-key code is a number from 0 to 255");
        }
        code = code * 10 + (c - '0');
    }
    if (digits.empty() || code > kMaxVirtualKey) {
        return bad("a virtual-key code is a number from 0 to 255");
    }
    if (digits.size() > kMaxVirtualKeyDigits) {
        return bad("a virtual-key code has at most 32 digits");
    }
    const std::size_t significant = code >= 100 ? 3 : code >= 10 ? 2 : 1;
    const auto zeros = static_cast<unsigned>(digits.size() - significant);
    return word(static_cast<KeyCode>(kVirtualKeyBit | static_cast<unsigned>(code) |
                                     case_bits(token.substr(0, 2)) << kVkCaseShift |
                                     zeros << kVkZerosShift));
}

// Every word's key, its text in upper case, made once.
const std::array<Key, std::size(kWords)>& word_keys() {
    static const auto keys = [] {
        std::array<Key, std::size(kWords)> k;
        for (std::size_t i = 0; i < k.size(); ++i) {
            const Word& w = kWords[i];
            k[i] = {w.kind, w.kind == Key::Button ? ButtonOfCommand(w.command) : 0,
                    std::string(w.word)};
        }
        return k;
    }();
    return keys;
}

}  // namespace

TokenClass ClassifyToken(std::string_view token) {
    for (std::size_t i = 0; i < std::size(kWords); ++i) {
        if (same_word(token, kWords[i].word)) {
            return word(static_cast<KeyCode>(i | std::size_t{case_bits(token)} << kCaseShift));
        }
    }
    bool number = !token.empty();
    for (const char c : token)
        number = number && IsNumberChar(c);
    if (number) return {TokenClass::Number, 0, {}};
    if (token.size() >= kVirtualKeyPrefix.size() &&
        same_word(token.substr(0, kVirtualKeyPrefix.size()), kVirtualKeyPrefix)) {
        return virtual_key(token);
    }
    return bad("unknown key");
}

KeyCode NumberCharCode(char c) {
    return c == '.' ? kPointIndex : static_cast<KeyCode>(c - '0');
}

void DecodeKey(KeyCode code, Key& key) {
    if ((code & kVirtualKeyBit) == 0) {
        const Key& k = word_keys()[code & ((1u << kCaseShift) - 1)];
        key.kind = k.kind;
        key.code = k.code;
        key.text = k.text;
        for (std::size_t i = 0; i < key.text.size(); ++i) {
            if ((code >> (kCaseShift + i)) & 1) {
                key.text[i] =
                    static_cast<char>(std::tolower(static_cast<unsigned char>(key.text[i])));
            }
        }
        return;
    }
    key.kind = Key::VirtualKey;
    key.code = code & 0xFF;
    char text[3 + kMaxVirtualKeyDigits];
    std::size_t n = 0;
    text[n++] = (code >> kVkCaseShift) & 1 ? 'v' : 'V';
    text[n++] = (code >> (kVkCaseShift + 1)) & 1 ? 'k' : 'K';
    text[n++] = ':';
    for (unsigned zeros = (code >> kVkZerosShift) & 0x1F; zeros > 0; --zeros)
        text[n++] = '0';
    if (key.code >= 100) text[n++] = static_cast<char>('0' + key.code / 100);
    if (key.code >= 10) text[n++] = static_cast<char>('0' + key.code / 10 % 10);
    text[n++] = static_cast<char>('0' + key.code % 10);
    key.text.assign(text, n);
}

std::variant<std::vector<Key>, TokenError> ParseKeyTokens(const std::vector<std::string>& tokens) {
    std::vector<Key> keys;
    keys.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        const TokenClass c = ClassifyToken(token);
        if (c.kind == TokenClass::Bad) return TokenError{i + 1, token, std::string(c.reason)};
        if (c.kind == TokenClass::Word) {
            DecodeKey(c.code, keys.emplace_back());
            continue;
        }
        for (const char ch : token)
            DecodeKey(NumberCharCode(ch), keys.emplace_back());
    }
    return keys;
}

std::vector<std::string> SplitTokens(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        if (i > start) tokens.emplace_back(text.substr(start, i - start));
    }
    return tokens;
}

}  // namespace tomaro
