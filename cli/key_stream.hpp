// The keys of the key file and of the command line, as one sequence, every token checked
// before the first key plays. Memory does not grow with a key file: a regular file is read
// in pieces twice, once to check and once to play. Standard input, a pipe or a device can be
// read only once, so its keys are kept while the rest is checked, two bytes each.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "cli/key_tokens.hpp"

namespace tomaro {

class KeyStream {
public:
    static constexpr std::size_t kPieceBytes = 64 * 1024;
    // The most keys kept from standard input or a pipe: 512 MiB of them.
    static constexpr std::uint64_t kMaxKeptKeys = std::uint64_t{1} << 28;

    // Reads and checks the key file (path; "-" for standard input; none without) and the
    // tokens of the command line, which come after it. A message if anything is bad.
    static std::variant<KeyStream, std::string> Open(const std::optional<std::string>& path,
                                                     const std::vector<std::string>& command_line,
                                                     std::size_t piece_bytes = kPieceBytes,
                                                     std::uint64_t most_kept = kMaxKeptKeys);

    // Calls play(key) for every key in order. A message if the key file changed after it
    // was checked: the keys read before it have then been played.
    template <typename Play>
    std::optional<std::string> ForEachKey(Play&& play) {
        Key key;
        return ForEachCode([&](std::span<const KeyCode> codes) {
            for (const KeyCode code : codes) {
                DecodeKey(code, key);
                play(key);
            }
            return true;
        });
    }

private:
    using UseCodes = std::function<bool(std::span<const KeyCode>)>;

    KeyStream(std::size_t piece_bytes, std::uint64_t most_kept)
        : piece_bytes_(piece_bytes), most_kept_(most_kept) {}

    // Reads the key file from where it starts to its end, or up to `most` bytes, and hands
    // its keys to use a piece at a time. The first bad byte or token, or use's false, ends it.
    std::optional<std::string> ReadFile(std::FILE* f, std::uint64_t most, const UseCodes& use);
    // The keys of standard input or a pipe, kept; false past the most kept.
    bool Keep(std::span<const KeyCode> codes);
    std::optional<std::string> ForEachCode(const UseCodes& use);

    std::size_t piece_bytes_;
    std::uint64_t most_kept_;
    std::string name_;       // of the key file as messages show it: "f", "standard input"
    std::string file_name_;  // "key file 'f'", "standard input"
    std::uint64_t file_tokens_ = 0;

    // A regular key file, read again to play, and how many of its bytes were checked.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_{nullptr, &std::fclose};
    std::uint64_t file_bytes_ = 0;

    std::vector<std::vector<KeyCode>> kept_;  // blocks of kKeptBlock keys
    std::uint64_t kept_count_ = 0;

    std::vector<KeyCode> command_line_;
};

}  // namespace tomaro
