// The key tokens of the key file and of the command line, as one sequence. A key file can
// hold hundreds of thousands of tokens, so it is split and parsed a piece at a time: once to
// check every token, then again to play, instead of holding every key at once.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/key_tokens.hpp"

namespace tomaro {

class KeyStream {
public:
    // Small enough that the storage of one piece is reused by the next instead of being
    // handed back to the system and faulted in again.
    static constexpr std::size_t kPieceBytes = 1024;

    // The file's tokens come first; positions count across both.
    KeyStream(std::string file_text, std::vector<std::string> command_line,
              std::size_t piece_bytes = kPieceBytes);

    // The first bad token, with its position among all tokens, if there is one.
    std::optional<TokenError> Check() const;

    // Calls play(key) for every key in order; for a stream that Check() accepted.
    template <typename Play>
    void ForEachKey(Play&& play) const {
        Walk([&](const std::vector<Key>& keys) {
            for (const Key& key : keys)
                play(key);
        });
    }

private:
    template <typename Use>
    std::optional<TokenError> Walk(Use&& use) const {
        std::size_t tokens_before = 0;
        const auto parse =
            [&](const std::vector<std::string>& tokens) -> std::optional<TokenError> {
            auto parsed = ParseKeyTokens(tokens);
            if (auto* e = std::get_if<TokenError>(&parsed)) {
                e->position += tokens_before;
                return std::move(*e);
            }
            use(std::get<std::vector<Key>>(parsed));
            tokens_before += tokens.size();
            return std::nullopt;
        };
        for (std::size_t start = 0; start < file_text_.size();) {
            const std::size_t end = PieceEnd(start);
            const auto tokens =
                SplitTokens(std::string_view(file_text_).substr(start, end - start));
            if (auto e = parse(tokens)) return e;
            start = end;
        }
        return parse(command_line_);
    }

    // Where the piece that starts at `start` ends: never inside a token.
    std::size_t PieceEnd(std::size_t start) const;

    std::string file_text_;
    std::vector<std::string> command_line_;
    std::size_t piece_bytes_;
};

}  // namespace tomaro
