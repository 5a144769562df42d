#include "cli/key_tokens.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "resources/resources.hpp"
#include "shell/button_commands.hpp"

namespace tomaro {
namespace {

struct Word {
    std::string_view word;  // in upper case
    Key::Kind kind;
    Command command;  // of a Button
    int menu_id;      // of a MenuItem
};

// Every command under the engine's word for it, in the engine's order, so that a digit's
// or the point's index is its command; then the notice timer and the context menu's Copy
// and Paste.
constexpr auto kWords = [] {
    std::array<Word, kCommandCount + 3> words{};
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto c = static_cast<Command>(i);
        words[i] = {CommandWord(c), Key::Button, c, 0};
    }
    words[kCommandCount] = {"TICK", Key::NoticeTimer, {}, 0};
    words[kCommandCount + 1] = {"COPY", Key::MenuItem, {}, ID_MENU_COPY};
    words[kCommandCount + 2] = {"PASTE", Key::MenuItem, {}, ID_MENU_PASTE};
    return words;
}();
constexpr auto kPointIndex = static_cast<std::size_t>(Command::Point);
static_assert(static_cast<std::size_t>(Command::Digit0) == 0);
constexpr std::string_view kVirtualKeyPrefix = "VK:";
constexpr int kMaxVirtualKey = 255;
constexpr std::size_t kMaxVirtualKeyDigits = 32;

// A word of at most five characters as one number, its letters in upper case (in ASCII: a
// key file's words do not depend on the locale).
constexpr std::size_t kLongestWord = 5;
constexpr std::uint64_t packed(std::string_view word) {
    std::uint64_t p = word.size();
    for (const char c : word)
        p = p << 8 | static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return p;
}

// Every word has a slot of its own in a small table, so that finding a token's word takes
// one multiplication: the multiplier that spreads them is found when this compiles.
constexpr int kSlotBits = 7;
constexpr std::size_t slot(std::uint64_t packed_word, std::uint64_t multiplier) {
    return static_cast<std::size_t>((packed_word * multiplier) >> (64 - kSlotBits));
}
constexpr std::uint64_t kMultiplier = [] {
    for (std::uint64_t m = 0x9E3779B97F4A7C15;; m = (m * 6364136223846793005 + 1) | 1) {
        std::array<bool, std::size_t{1} << kSlotBits> taken{};
        bool clash = false;
        for (const Word& w : kWords)
            clash = clash || std::exchange(taken[slot(packed(w.word), m)], true);
        if (!clash) return m;
    }
}();
struct Slot {
    std::uint64_t packed_word = 0;  // 0: no word
    std::size_t word = 0;           // its index in kWords
};
constexpr auto kSlots = [] {
    std::array<Slot, std::size_t{1} << kSlotBits> slots{};
    for (std::size_t i = 0; i < std::size(kWords); ++i) {
        const std::uint64_t p = packed(kWords[i].word);
        slots[slot(p, kMultiplier)] = {p, i};
    }
    return slots;
}();

std::array<TokenClass, std::size(kWords)> make_word_classes() {
    std::array<TokenClass, std::size(kWords)> c;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const Word& w = kWords[i];
        const int code = w.kind == Key::Button ? ButtonOfCommand(w.command) : w.menu_id;
        c[i] = {TokenClass::Word, w.kind, code, {}};
    }
    return c;
}

// Every word's key, made when first asked for (tests ask while they start).
const std::array<TokenClass, std::size(kWords)>& word_classes() {
    static const auto classes = make_word_classes();
    return classes;
}

TokenClass bad(std::string_view reason) {
    return {TokenClass::Bad, Key::Button, 0, reason};
}

TokenClass virtual_key(std::string_view digits) {
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
    return {TokenClass::Word, Key::VirtualKey, code, {}};
}

}  // namespace

TokenClass ClassifyToken(std::string_view token) {
    if (!token.empty() && token.size() <= kLongestWord) {
        const std::uint64_t p = packed(token);
        const Slot& s = kSlots[slot(p, kMultiplier)];
        if (s.packed_word == p) return word_classes()[s.word];
    }
    if (!token.empty() && std::all_of(token.begin(), token.end(), IsNumberChar)) {
        return {TokenClass::Number, Key::Button, 0, {}};
    }
    if (token.size() >= kVirtualKeyPrefix.size() &&
        packed(token.substr(0, kVirtualKeyPrefix.size())) == packed(kVirtualKeyPrefix)) {
        return virtual_key(token.substr(kVirtualKeyPrefix.size()));
    }
    return bad("unknown key");
}

void PlayToken(std::string_view token, const TokenClass& c, Key& key, const PlayKey& play) {
    if (c.kind == TokenClass::Word) {
        key.kind = c.key;
        key.code = c.code;
        key.text.assign(token);
        play(key);
        return;
    }
    for (const char ch : token) {
        key.kind = Key::Button;
        key.code =
            word_classes()[ch == '.' ? kPointIndex : static_cast<std::size_t>(ch - '0')].code;
        key.text.assign(1, ch);
        play(key);
    }
}

std::variant<std::vector<Key>, TokenError> ParseKeyTokens(const std::vector<std::string>& tokens) {
    std::vector<Key> keys;
    Key key;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const TokenClass c = ClassifyToken(tokens[i]);
        if (c.kind == TokenClass::Bad) return TokenError{i + 1, tokens[i], std::string(c.reason)};
        PlayToken(tokens[i], c, key, [&](const Key& k) { keys.push_back(k); });
    }
    return keys;
}

std::vector<std::pair<std::string_view, TokenClass>> KeyWords() {
    std::vector<std::pair<std::string_view, TokenClass>> words;
    for (std::size_t i = 0; i < std::size(kWords); ++i)
        words.emplace_back(kWords[i].word, word_classes()[i]);
    return words;
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
