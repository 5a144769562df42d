// UTF-8 read a byte at a time, so that a sequence may be split between two pieces of a key
// file: well-formed sequences only (no overlong forms, no surrogates, nothing above
// U+10FFFF).
#pragma once

#include <cstdint>

namespace tomaro {

class Utf8Reader {
public:
    enum Result : std::uint8_t { Complete, Partial, Invalid };

    // Invalid means that the sequence this byte continues, or starts, is not UTF-8; the
    // reader is then ready for a new sequence.
    Result Step(std::uint8_t b) {
        if (need_ > 0) {
            if (b < lo_ || b > hi_) {
                need_ = 0;
                return Invalid;
            }
            lo_ = 0x80;
            hi_ = 0xBF;
            return --need_ == 0 ? Complete : Partial;
        }
        if (b < 0x80) return Complete;
        if (b < 0xC2 || b > 0xF4) return Invalid;
        need_ = b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        lo_ = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        hi_ = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
        return Partial;
    }

    // Inside a sequence: the bytes read so far need more.
    bool InSequence() const { return need_ > 0; }

private:
    std::uint8_t need_ = 0;
    std::uint8_t lo_ = 0x80;
    std::uint8_t hi_ = 0xBF;
};

}  // namespace tomaro
