// tomaro-key-mix COUNT [SEED]: writes the benchmark's key stream, exactly COUNT keys, as a
// key file for tomaro-cli --keys-from.
#include <charconv>
#include <cstdio>
#include <string_view>
#include <variant>

#include "bench/key_mix.hpp"
#include "cli/key_tokens.hpp"

namespace {

template <typename T>
bool parse(std::string_view text, T& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t count = 0;
    std::uint32_t seed = tomaro::bench::kDefaultKeyMixSeed;
    if (argc < 2 || argc > 3 || !parse(argv[1], count) || (argc == 3 && !parse(argv[2], seed))) {
        std::fprintf(stderr, "usage: tomaro-key-mix COUNT [SEED]\n");
        return 2;
    }
    const std::string text = tomaro::bench::KeyMix(count, seed);
    // The stream must read back as exactly the keys asked for.
    const auto keys = tomaro::ParseKeyTokens(tomaro::SplitTokens(text));
    const auto* parsed = std::get_if<std::vector<tomaro::Key>>(&keys);
    if (parsed == nullptr || parsed->size() != count) {
        std::fprintf(stderr, "tomaro-key-mix: the stream does not read back as %zu keys\n", count);
        return 1;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}
