// One key end to end through the dialog: the click or key-down, the command, ComposeDisplay
// and the drawing, over the mixed key stream; and "=" stepping a result through its forms.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string_view>
#include <variant>
#include <vector>

#include "bench/key_mix.hpp"
#include "cli/hosted_calculator.hpp"

namespace tomaro::bench {
namespace {

std::vector<Key> keys_of(std::string_view text) {
    auto parsed = ParseKeyTokens(SplitTokens(text));
    if (const auto* error = std::get_if<TokenError>(&parsed)) {
        throw std::invalid_argument("bad key in benchmark: " + error->token);
    }
    return std::get<std::vector<Key>>(std::move(parsed));
}

const std::vector<Key>& mixed_keys() {
    static const std::vector<Key> keys = keys_of(WholeKeyMix(100000));
    return keys;
}

// Plays one key through the dialog and folds what the display then shows into a sum, so
// that nothing it drew can be dropped as unused.
struct Player {
    HostedCalculator& calc;
    std::int64_t operations = 0;
    std::int64_t checksum = 0;

    void Play(const Key& key) {
        calc.Play(key);
        const auto drawn = calc.display();
        operations += static_cast<std::int64_t>(drawn.size());
        for (const PaintOp& op : drawn)
            checksum += op.a + op.b + static_cast<std::int64_t>(op.text.size());
    }
};

// One iteration is one key of the mixed stream, played again from its start when it ends.
void BM_MixedKey(benchmark::State& state) {
    const std::vector<Key>& keys = mixed_keys();
    RunCalculator({}, [&](HostedCalculator& calc) {
        Player player{calc};
        std::size_t i = 0;
        for (auto _ : state) {
            player.Play(keys[i]);
            if (++i == keys.size()) i = 0;
        }
        benchmark::DoNotOptimize(player.checksum);
        state.counters["shown_ops_per_key"] = benchmark::Counter(
            static_cast<double>(player.operations) / static_cast<double>(state.iterations()));
    });
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MixedKey);

double percentile(const std::vector<std::int64_t>& sorted, double p) {
    const auto at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1));
    return static_cast<double>(sorted[at]);
}

// The same stream with every key timed on its own: the spread that a mean hides (the
// slow keys are the long recurring decimals). Each iteration plays the whole stream on a
// fresh calculator. The clock's own cost, measured alike, is reported beside it.
void BM_MixedKeyLatency(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::vector<Key>& keys = mixed_keys();
    std::vector<std::int64_t> key_ns, clock_ns;
    key_ns.reserve(keys.size() * static_cast<std::size_t>(state.max_iterations));
    clock_ns.reserve(key_ns.capacity());
    std::int64_t checksum = 0;
    for (auto _ : state) {
        RunCalculator({}, [&](HostedCalculator& calc) {
            Player player{calc};
            for (const Key& key : keys) {
                const auto start = Clock::now();
                player.Play(key);
                const auto end = Clock::now();
                key_ns.push_back(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count());
                const auto empty_end = Clock::now();
                clock_ns.push_back(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(empty_end - end).count());
            }
            checksum += player.checksum;
        });
    }
    benchmark::DoNotOptimize(checksum);
    std::sort(key_ns.begin(), key_ns.end());
    std::sort(clock_ns.begin(), clock_ns.end());
    state.SetItemsProcessed(static_cast<std::int64_t>(key_ns.size()));
    state.counters["key_p50_ns"] = percentile(key_ns, 0.50);
    state.counters["key_p90_ns"] = percentile(key_ns, 0.90);
    state.counters["key_p99_ns"] = percentile(key_ns, 0.99);
    state.counters["key_p999_ns"] = percentile(key_ns, 0.999);
    state.counters["key_max_ns"] = static_cast<double>(key_ns.back());
    state.counters["clock_p50_ns"] = percentile(clock_ns, 0.50);
}
BENCHMARK(BM_MixedKeyLatency)->Unit(benchmark::kMillisecond)->Iterations(3);

// "=" pressed again and again on one result: fraction, mixed number, decimal, integer, and
// round again. Each iteration is one "="; a quarter of them are the step into the decimal.
void BM_EqualsCycle(benchmark::State& state, std::string_view keys) {
    const Key equals = keys_of("=").front();
    RunCalculator({}, [&](HostedCalculator& calc) {
        Player player{calc};
        for (const Key& key : keys_of(keys))
            player.Play(key);
        for (auto _ : state)
            player.Play(equals);
        benchmark::DoNotOptimize(player.checksum);
    });
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_EqualsCycle, 1_7, "7 BAR 1 =");
BENCHMARK_CAPTURE(BM_EqualsCycle, 5_6, "6 BAR 5 =");
BENCHMARK_CAPTURE(BM_EqualsCycle, 1_109, "109 BAR 1 =");

}  // namespace
}  // namespace tomaro::bench
