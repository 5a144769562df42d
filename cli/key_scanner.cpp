#include "cli/key_scanner.hpp"

namespace tomaro {
namespace {

// The whitespace between tokens, as in the C locale.
bool is_space(unsigned char b) {
    return b == ' ' || (b >= '\t' && b <= '\r');
}

bool is_control(unsigned char b) {
    return b < 0x20 || b == 0x7F;
}

std::string shown_byte(unsigned char b) {
    const char c = static_cast<char>(b);
    return ShownText(std::string_view(&c, 1));
}

}  // namespace

bool KeyScanner::Read(std::string_view piece, std::vector<KeyCode>& codes) {
    if (!error_.empty()) return false;
    for (const char c : piece) {
        const auto b = static_cast<unsigned char>(c);
        ++offset_;
        if (b >= 0x80 || utf8_.InSequence()) {
            const bool lead = !utf8_.InSequence();
            if (lead) {
                sequence_start_ = offset_;
                sequence_lead_ = b;
            }
            if (utf8_.Step(b) == Utf8Reader::Invalid) {
                return BadByte(sequence_start_, "invalid UTF-8 byte " + shown_byte(sequence_lead_));
            }
            Append(c, codes);
        } else if (is_space(b)) {
            if (length_ > 0 && !EndToken(codes)) return false;
        } else if (is_control(b)) {
            return BadByte(offset_, b == 0 ? "NUL" : "control character " + shown_byte(b));
        } else {
            Append(c, codes);
        }
    }
    return true;
}

bool KeyScanner::Finish(std::vector<KeyCode>& codes) {
    if (!error_.empty()) return false;
    if (utf8_.InSequence()) {
        return BadByte(sequence_start_, "invalid UTF-8 byte " + shown_byte(sequence_lead_));
    }
    return length_ == 0 || EndToken(codes);
}

void KeyScanner::Append(char c, std::vector<KeyCode>& codes) {
    if (length_ < kHeadBytes) head_[length_] = c;
    ++length_;
    number_ = number_ && IsNumberChar(c);
    if (length_ <= kHeadBytes || !number_) return;
    // Too long for anything but a number: its characters play as they come.
    if (length_ == kHeadBytes + 1) {
        for (const char h : head_)
            codes.push_back(NumberCharCode(h));
    }
    codes.push_back(NumberCharCode(c));
}

bool KeyScanner::EndToken(std::vector<KeyCode>& codes) {
    const std::uint64_t length = length_;
    const bool number = number_;
    length_ = 0;
    number_ = true;
    const std::string_view head(head_, length <= kHeadBytes ? length : kHeadBytes);
    if (length > kHeadBytes && number) {
        ++tokens_;
        return true;
    }
    const TokenClass c = ClassifyToken(head);
    if (length > kHeadBytes || c.kind == TokenClass::Bad) {
        const std::string_view reason = c.kind == TokenClass::Bad ? c.reason : "unknown key";
        error_ = "bad token " + Quoted(head, length) + " at position " +
                 std::to_string(tokens_ + 1) + ": " + std::string(reason);
        return false;
    }
    if (c.kind == TokenClass::Word) {
        codes.push_back(c.code);
    } else {
        for (const char h : head)
            codes.push_back(NumberCharCode(h));
    }
    ++tokens_;
    return true;
}

bool KeyScanner::BadByte(std::uint64_t offset, std::string what) {
    error_ = "byte " + std::to_string(offset) + " of " + source_ + ": " + what +
             " is not allowed in a key file (token " + std::to_string(tokens_ + 1) + ")";
    return false;
}

}  // namespace tomaro
