// The keys of the key file and of the command line, as one sequence, every token checked
// before the first key plays. Memory does not grow with a key file: a regular file is read
// in pieces twice, once to check and once to play. Standard input, a pipe or a device can be
// read only once, so its bytes are kept as they are checked and scanned again to play.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/key_tokens.hpp"

namespace tomaro {

struct KeyStreamLimits {
    std::size_t piece_bytes = 64 * 1024;
    // The most kept from standard input or a pipe: 2^28 keys in at most 512 MiB.
    std::uint64_t kept_keys = std::uint64_t{1} << 28;
    std::uint64_t kept_bytes = std::uint64_t{512} << 20;
};

class KeyStream {
public:
    using Limits = KeyStreamLimits;

    // Reads and checks the key file (path; "-" for standard input; none without) and the
    // tokens of the command line, which come after it. A message if anything is bad.
    static std::variant<KeyStream, std::string> Open(const std::optional<std::string>& path,
                                                     const std::vector<std::string>& command_line,
                                                     const Limits& limits = {});

    // Plays every key in order. A message if the key file changed after it was checked:
    // the keys read before it have then been played.
    std::optional<std::string> ForEachKey(const PlayKey& play);
    // The last key played, if any was.
    const Key& last_key() const { return key_; }

private:
    class Scanner;

    explicit KeyStream(const Limits& limits) : limits_(limits) {}

    // Scans the key file from where it stands to its end, or up to `most` bytes, a piece at
    // a time, playing its keys (if play) and keeping each piece once checked (if keep). The
    // first bad byte or token, or too much to keep, ends it with a message.
    std::optional<std::string> Scan(std::FILE* f, std::uint64_t most, const PlayKey& play,
                                    bool keep);
    // Keeps a checked piece of standard input or a pipe, with the count of keys so far; a
    // message past the most kept.
    std::optional<std::string> Keep(std::string_view piece, std::uint64_t keys);

    Limits limits_;
    std::string name_;       // of the key file as messages show it: "f", "standard input"
    std::string file_name_;  // "key file 'f'", "standard input"
    std::uint64_t file_tokens_ = 0;
    std::uint64_t file_bytes_ = 0;
    // A regular key file, read again to play.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};

    std::vector<std::string> kept_;  // the pieces of standard input or a pipe
    std::uint64_t kept_bytes_ = 0;

    std::vector<std::string> command_line_;
    Key key_;  // every key plays through it, so that none needs new memory
};

}  // namespace tomaro
