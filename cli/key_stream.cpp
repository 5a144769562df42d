#include "cli/key_stream.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "cli/message_text.hpp"
#include "cli/utf8.hpp"

namespace tomaro {
namespace {

const TokenClass kNumber{TokenClass::Number, Key::Button, 0, {}};

// The whitespace between tokens, as in the C locale.
bool is_space(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string shown_byte(unsigned char b) {
    const char c = static_cast<char>(b);
    return MessageText(std::string_view(&c, 1));
}

// head is the token, or only its beginning when length is larger.
std::string bad_token(std::string_view head, std::uint64_t length, std::uint64_t position,
                      std::string_view reason) {
    return "bad token " + Quoted(head, length) + " at position " + std::to_string(position) + ": " +
           std::string(reason);
}

std::string cannot_read(const std::string& what, int error) {
    return "cannot read " + what +
           (error != 0 ? ": " + std::string(std::strerror(error)) : std::string());
}

bool is_regular(std::FILE* f) {
    struct stat st {};
    return fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

// The bytes of a key file, read a piece at a time, turned into keys: tokens are split on
// whitespace and checked as they end, and a number too long to hold is played character
// by character as it comes. The first byte that cannot belong to a token (a NUL, another
// control character, a byte that is not UTF-8) or the first bad token stops it.
class KeyStream::Scanner {
public:
    // source names the file in messages: "f", "standard input".
    Scanner(const std::string& source, Key& key) : source_(source), key_(key) {}

    // Reads the next piece and plays the keys it completes; without play, only counts
    // them. False after an error: error then tells it.
    bool Read(std::string_view piece, const PlayKey& play) {
        for (std::size_t i = 0; i < piece.size(); ++i) {
            if (!utf8_.InSequence()) {
                // Printable ASCII, the bulk of a key file, as one run.
                const std::size_t start = i;
                while (i < piece.size() && piece[i] > ' ' && piece[i] < 0x7F)
                    ++i;
                const std::string_view run = piece.substr(start, i - start);
                // A whole token in the piece, the usual case, is checked where it stands.
                if (i < piece.size() && length_ == 0 && is_space(piece[i]) &&
                    run.size() <= kHeadBytes) {
                    if (!run.empty() && !EndToken(run, run.size(), false, play)) return false;
                    continue;
                }
                Hold(run, play);
                if (i == piece.size()) break;
            }
            const auto b = static_cast<unsigned char>(piece[i]);
            if (b >= 0x80 || utf8_.InSequence()) {
                if (!utf8_.InSequence()) {
                    sequence_start_ = offset_ + i + 1;
                    sequence_lead_ = b;
                }
                if (utf8_.Step(b) == Utf8Reader::Invalid) return BadSequence();
                Hold(piece.substr(i, 1), play);
            } else if (is_space(piece[i])) {
                if (length_ > 0 && !EndHeldToken(play)) return false;
            } else {
                return BadByte(offset_ + i + 1,
                               b == 0 ? "NUL" : "control character " + shown_byte(b));
            }
        }
        offset_ += piece.size();
        return true;
    }

    // The end of the file, which ends the last token.
    bool Finish(const PlayKey& play) {
        if (utf8_.InSequence()) return BadSequence();
        return length_ == 0 || EndHeldToken(play);
    }

    std::uint64_t tokens = 0;  // read to their end
    std::uint64_t keys = 0;
    std::string error;

private:
    // A token longer than this is a number, played as it comes, or bad; the beginning kept
    // is enough to show the most characters a message shows.
    static constexpr std::size_t kHeadBytes = 4 * kShownChars;

    // Holds a token's bytes until it ends, as it may go on in the next piece.
    void Hold(std::string_view bytes, const PlayKey& play) {
        const std::uint64_t before = length_;
        for (std::size_t i = 0; i < bytes.size() && before + i < kHeadBytes; ++i)
            head_[before + i] = bytes[i];
        length_ += bytes.size();
        number_ = number_ && std::all_of(bytes.begin(), bytes.end(), IsNumberChar);
        if (length_ <= kHeadBytes || !number_) return;
        // Too long for anything but a number: its characters play as they come.
        if (before <= kHeadBytes) {
            Play({head_, kHeadBytes}, kNumber, play);
            bytes.remove_prefix(kHeadBytes - before);
        }
        Play(bytes, kNumber, play);
    }

    bool EndHeldToken(const PlayKey& play) {
        const std::uint64_t length = std::exchange(length_, 0);
        const bool number = std::exchange(number_, true);
        return EndToken({head_, std::min<std::uint64_t>(length, kHeadBytes)}, length, number, play);
    }

    // head: the token, or its first kHeadBytes when it is longer; number: all of it is
    // digits and points.
    bool EndToken(std::string_view head, std::uint64_t length, bool number, const PlayKey& play) {
        const bool long_number = length > kHeadBytes && number;  // played as it came
        const TokenClass c = long_number ? kNumber : ClassifyToken(head);
        if (c.kind == TokenClass::Bad || (length > kHeadBytes && !long_number)) {
            const std::string_view reason = c.kind == TokenClass::Bad ? c.reason : "unknown key";
            error = bad_token(head, length, tokens + 1, reason);
            return false;
        }
        if (!long_number) Play(head, c, play);
        ++tokens;
        return true;
    }

    void Play(std::string_view token, const TokenClass& c, const PlayKey& play) {
        keys += c.kind == TokenClass::Word ? 1 : token.size();
        if (play) PlayToken(token, c, key_, play);
    }

    bool BadSequence() {
        return BadByte(sequence_start_, "invalid UTF-8 byte " + shown_byte(sequence_lead_));
    }
    bool BadByte(std::uint64_t offset, const std::string& what) {
        error = "byte " + std::to_string(offset) + " of " + source_ + ": " + what +
                " is not allowed in a key file (token " + std::to_string(tokens + 1) + ")";
        return false;
    }

    const std::string& source_;
    Key& key_;
    std::uint64_t offset_ = 0;  // bytes read before the piece being read

    char head_[kHeadBytes];
    std::uint64_t length_ = 0;  // of the token held; 0 between tokens
    bool number_ = true;        // every byte of the token held is a digit or a point

    Utf8Reader utf8_;
    std::uint64_t sequence_start_ = 0;  // offset of the lead byte of the UTF-8 sequence read
    unsigned char sequence_lead_ = 0;
};

std::variant<KeyStream, std::string> KeyStream::Open(const std::optional<std::string>& path,
                                                     const std::vector<std::string>& command_line,
                                                     const Limits& limits) {
    KeyStream s(limits);
    s.limits_.piece_bytes = std::max<std::size_t>(limits.piece_bytes, 1);
    if (path) {
        const bool from_stdin = *path == "-";
        s.name_ = from_stdin ? "standard input" : MessageText(*path);
        s.file_name_ = from_stdin ? "standard input" : "key file '" + s.name_ + "'";
        errno = 0;
        if (!from_stdin) s.file_.reset(std::fopen(path->c_str(), "rb"));
        std::FILE* f = from_stdin ? stdin : s.file_.get();
        if (f == nullptr) return cannot_read(s.file_name_, errno);

        const bool regular = !from_stdin && is_regular(f);
        if (auto error = s.Scan(f, UINT64_MAX, nullptr, !regular)) return *std::move(error);
        if (!regular) s.file_.reset();
    }

    for (std::size_t i = 0; i < command_line.size(); ++i) {
        const TokenClass c = ClassifyToken(command_line[i]);
        if (c.kind == TokenClass::Bad) {
            return bad_token(command_line[i], command_line[i].size(), s.file_tokens_ + i + 1,
                             c.reason);
        }
    }
    s.command_line_ = command_line;
    return s;
}

std::optional<std::string> KeyStream::Scan(std::FILE* f, std::uint64_t most, const PlayKey& play,
                                           bool keep) {
    Scanner scanner(name_, key_);
    std::vector<char> piece(limits_.piece_bytes);
    std::uint64_t read = 0;
    while (read < most) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), most - read));
        errno = 0;
        const std::size_t n = std::fread(piece.data(), 1, want, f);
        if (n == 0) {
            if (std::ferror(f)) return cannot_read(file_name_, errno);
            break;
        }
        read += n;
        const std::string_view bytes(piece.data(), n);
        if (!scanner.Read(bytes, play)) return scanner.error;
        if (keep) {
            if (auto refused = Keep(bytes, scanner.keys)) return refused;
        }
    }
    if (!scanner.Finish(play)) return scanner.error;
    if (keep) {
        if (auto refused = Keep({}, scanner.keys)) return refused;
    }
    file_tokens_ = scanner.tokens;
    file_bytes_ = read;
    return std::nullopt;
}

std::optional<std::string> KeyStream::Keep(std::string_view piece, std::uint64_t keys) {
    const bool too_many_keys = keys > limits_.kept_keys;
    if (too_many_keys || piece.size() > limits_.kept_bytes - kept_bytes_) {
        return file_name_ + " holds more than " +
               (too_many_keys ? std::to_string(limits_.kept_keys) + " keys"
                              : std::to_string(limits_.kept_bytes) + " bytes") +
               ", the most kept from standard input or a pipe";
    }
    kept_bytes_ += piece.size();
    if (!piece.empty()) kept_.emplace_back(piece);
    return std::nullopt;
}

std::optional<std::string> KeyStream::ForEachKey(const PlayKey& play) {
    if (file_) {
        const std::uint64_t checked_tokens = file_tokens_;
        const std::uint64_t checked_bytes = file_bytes_;
        const std::string changed = file_name_ + " changed while it was played";
        if (std::fseek(file_.get(), 0, SEEK_SET) != 0) return changed;
        if (Scan(file_.get(), checked_bytes, play, false) || file_bytes_ != checked_bytes ||
            file_tokens_ != checked_tokens) {
            return changed;
        }
    }
    // Kept bytes were checked as they came: they scan without an error.
    Scanner kept(name_, key_);
    for (const std::string& block : kept_)
        kept.Read(block, play);
    kept.Finish(play);
    for (const std::string& token : command_line_)
        PlayToken(token, ClassifyToken(token), key_, play);
    return std::nullopt;
}

}  // namespace tomaro
