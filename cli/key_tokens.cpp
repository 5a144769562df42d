#include "cli/key_tokens.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "shell/button_commands.hpp"

namespace tomaro {
namespace {

struct Word {
    std::string_view word;
    Command command;
};

constexpr Word kWords[] = {
    {"000", Command::TripleZero},  {".", Command::Point},        {"+", Command::Add},
    {"-", Command::Subtract},      {"*", Command::Multiply},     {"/", Command::Divide},
    {"=", Command::Equals},        {"AC", Command::AllClear},    {"CE", Command::ClearEntry},
    {"BS", Command::Backspace},    {"NEG", Command::Sign},       {"BAR", Command::FractionBar},
    {"INV", Command::Reciprocal},  {"M+", Command::MemoryAdd},   {"M-", Command::MemorySubtract},
    {"MR", Command::MemoryRecall}, {"MC", Command::MemoryClear},
};

constexpr std::string_view kTick = "TICK";
constexpr std::string_view kVirtualKeyPrefix = "VK:";
constexpr int kMaxVirtualKey = 255;

std::string upper(std::string_view s) {
    std::string u(s);
    std::transform(u.begin(), u.end(), u.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return u;
}

bool is_number(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(),
                                     [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
}

Key button(Command c, std::string text) {
    return {Key::Button, ButtonOfCommand(c), std::move(text)};
}

bool append_word(const std::string& token, std::vector<Key>& keys) {
    const std::string u = upper(token);
    for (const Word& w : kWords) {
        if (u == w.word) {
            keys.push_back(button(w.command, token));
            return true;
        }
    }
    if (u == kTick) {
        keys.push_back({Key::NoticeTimer, 0, token});
        return true;
    }
    return false;
}

}  // namespace

std::variant<std::vector<Key>, TokenError> ParseKeyTokens(const std::vector<std::string>& tokens) {
    std::vector<Key> keys;
    keys.reserve(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (append_word(token, keys)) continue;
        if (is_number(token)) {
            for (char c : token) {
                keys.push_back(
                    button(c == '.' ? Command::Point : digit_command(c - '0'), std::string(1, c)));
            }
            continue;
        }
        const std::string u = upper(token);
        if (u.starts_with(kVirtualKeyPrefix)) {
            const std::string_view digits =
                std::string_view(token).substr(kVirtualKeyPrefix.size());
            int code = -1;
            const auto [end, ec] =
                std::from_chars(digits.data(), digits.data() + digits.size(), code);
            if (ec != std::errc{} || end != digits.data() + digits.size() || digits.empty() ||
                code < 0 || code > kMaxVirtualKey) {
                return TokenError{i + 1, token, "a virtual-key code is a number from 0 to 255"};
            }
            keys.push_back({Key::VirtualKey, code, token});
            continue;
        }
        return TokenError{i + 1, token, "unknown key"};
    }
    return keys;
}

std::vector<std::pair<std::string_view, int>> ButtonWords() {
    static constexpr std::string_view kDigits[] = {"0", "1", "2", "3", "4",
                                                   "5", "6", "7", "8", "9"};
    std::vector<std::pair<std::string_view, int>> words;
    for (int d = 0; d < 10; ++d)
        words.emplace_back(kDigits[d], ButtonOfCommand(digit_command(d)));
    for (const Word& w : kWords)
        words.emplace_back(w.word, ButtonOfCommand(w.command));
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
