// The bytes of a key file, read a piece at a time, turned into key codes: tokens are split
// on whitespace and checked as they end, and a number too long to hold is played character
// by character as it comes. The first byte that cannot belong to a token (a NUL, another
// control character, a byte that is not UTF-8) or the first bad token stops it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/key_tokens.hpp"
#include "cli/shown_text.hpp"
#include "cli/utf8.hpp"

namespace tomaro {

class KeyScanner {
public:
    // source names the file in messages: "f", "standard input".
    explicit KeyScanner(std::string source) : source_(std::move(source)) {}

    // Reads the next piece, appending to codes the keys it completes. False after an error:
    // error() then tells it, and nothing more may be read.
    bool Read(std::string_view piece, std::vector<KeyCode>& codes);
    // The end of the file, which ends the last token.
    bool Finish(std::vector<KeyCode>& codes);

    std::uint64_t tokens() const { return tokens_; }  // the tokens read to their end
    const std::string& error() const { return error_; }

private:
    // A token longer than this is a number, played as it comes, or bad; the beginning kept
    // is enough to show the most characters a message shows.
    static constexpr std::size_t kHeadBytes = 4 * kShownChars;

    void Append(char c, std::vector<KeyCode>& codes);
    bool EndToken(std::vector<KeyCode>& codes);
    bool BadByte(std::uint64_t offset, std::string what);

    std::string source_;
    std::uint64_t offset_ = 0;  // bytes read
    std::uint64_t tokens_ = 0;
    std::string error_;

    char head_[kHeadBytes];
    std::uint64_t length_ = 0;  // of the token being read; 0 between tokens
    bool number_ = true;        // every byte of the token so far is a digit or a point

    Utf8Reader utf8_;
    std::uint64_t sequence_start_ = 0;  // offset of the lead byte of the UTF-8 sequence read
    unsigned char sequence_lead_ = 0;
};

}  // namespace tomaro
