// A deterministic stream of keys as a person at the calculator would press them: fractions
// and decimals keyed and combined, "=" stepped through the representations, memory,
// editing keys, the odd division by zero and overflow. The key benchmark plays it in
// process and tomaro-cli replays it from a file, so both measure the same work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tomaro::bench {

inline constexpr std::uint32_t kDefaultKeyMixSeed = 20240611;

// Key tokens, one calculation per line, holding exactly `key_count` keys (a number token
// is one key per character). The last calculation is cut where the count is reached.
std::string KeyMix(std::size_t key_count, std::uint32_t seed = kDefaultKeyMixSeed);

// The same stream, but only whole calculations: at least `key_count` keys, ending on a
// cleared calculator and memory, so that it can be played again and again.
std::string WholeKeyMix(std::size_t key_count, std::uint32_t seed = kDefaultKeyMixSeed);

}  // namespace tomaro::bench
