// One key end to end: the command, ComposeDisplay and the drawing list, over the mixed key
// stream; and "=" stepping a result into its decimal.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string_view>
#include <variant>
#include <vector>

#include "bench/key_mix.hpp"
#include "cli/headless_calculator.hpp"
#include "display/paint_display.hpp"

namespace tomaro::bench {
namespace {

// Counts the drawing operations and folds their arguments into a sum, so that nothing
// PaintDisplay produces can be dropped as unused.
class CountingCanvas final : public Canvas {
public:
    void FillWhite(const Rect& r) override { note(r.right - r.left); }
    void SetTextAlign(TextAlign align) override { note(align); }
    void TextOut(std::int32_t x, std::int32_t y, std::string_view utf8) override {
        note(x + y + static_cast<std::int64_t>(utf8.size()));
    }
    void Line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
        note(x1 + y1 + x2 + y2);
    }

    std::int64_t operations = 0;
    std::int64_t checksum = 0;

private:
    void note(std::int64_t v) {
        ++operations;
        checksum += v;
    }
};

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

HeadlessCalculator played(std::string_view text) {
    HeadlessCalculator calc;
    for (const Key& key : keys_of(text))
        calc.Play(key);
    return calc;
}

void press_and_paint(HeadlessCalculator& calc, const Key& key, Canvas& canvas) {
    calc.Play(key);
    PaintDisplay(calc.model(), calc.state().entryRep, canvas);
}

// One iteration is one key of the mixed stream, played again from its start when it ends.
void BM_MixedKey(benchmark::State& state) {
    const std::vector<Key>& keys = mixed_keys();
    HeadlessCalculator calc;
    CountingCanvas canvas;
    std::size_t i = 0;
    for (auto _ : state) {
        press_and_paint(calc, keys[i], canvas);
        if (++i == keys.size()) i = 0;
    }
    benchmark::DoNotOptimize(canvas.checksum);
    state.SetItemsProcessed(state.iterations());
    state.counters["draw_ops_per_key"] = benchmark::Counter(
        static_cast<double>(canvas.operations) / static_cast<double>(state.iterations()));
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
    CountingCanvas canvas;
    for (auto _ : state) {
        HeadlessCalculator calc;
        for (const Key& key : keys) {
            const auto start = Clock::now();
            press_and_paint(calc, key, canvas);
            const auto end = Clock::now();
            key_ns.push_back(
                std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count());
            const auto empty_end = Clock::now();
            clock_ns.push_back(
                std::chrono::duration_cast<std::chrono::nanoseconds>(empty_end - end).count());
        }
    }
    benchmark::DoNotOptimize(canvas.checksum);
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

// "=" on a mixed number steps it into its decimal. Each iteration first puts back the
// calculator as it was before that "=" (a copy, timed with it); BM_RestoreOnly times the
// copy alone, to be taken off.
void BM_EqualsIntoDecimal(benchmark::State& state, std::string_view keys) {
    const HeadlessCalculator ready = played(keys);
    if (ready.state().entryRep != REP_MIXED || ready.state().pendingOp != '=') {
        state.SkipWithError("the keys do not leave a mixed number after \"=\"");
        return;
    }
    const Key equals = keys_of("=").front();
    HeadlessCalculator calc = ready;
    CountingCanvas canvas;
    for (auto _ : state) {
        calc = ready;
        press_and_paint(calc, equals, canvas);
    }
    if (calc.state().entryRep != REP_DECIMAL) state.SkipWithError("\"=\" did not show a decimal");
    benchmark::DoNotOptimize(canvas.checksum);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(calc.state().kindText + " " +
                   std::to_string(calc.model().numText.size() + calc.model().mainText.size() +
                                  calc.model().denText.size()) +
                   " chars shown");
}
BENCHMARK_CAPTURE(BM_EqualsIntoDecimal, 1_7, "7 BAR 1 = =");
BENCHMARK_CAPTURE(BM_EqualsIntoDecimal, 11_6, "6 BAR 11 = =");
BENCHMARK_CAPTURE(BM_EqualsIntoDecimal, 1_97, "97 BAR 1 = =");
BENCHMARK_CAPTURE(BM_EqualsIntoDecimal, 1_109, "109 BAR 1 = =");
// 2^52 * 193: the longest pre-period (52 places) before a capped 101-digit block.
BENCHMARK_CAPTURE(BM_EqualsIntoDecimal, 1_2pow52x193, "869194728082505728 BAR 1 = =");

void BM_RestoreOnly(benchmark::State& state) {
    const HeadlessCalculator ready = played("109 BAR 1 = =");
    HeadlessCalculator calc = played("109 BAR 1 = = =");
    for (auto _ : state) {
        calc = ready;
        benchmark::DoNotOptimize(&calc);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RestoreOnly);

// "=" pressed again and again on one result: fraction, mixed number, decimal, integer, and
// round again. Each iteration is one "="; a quarter of them are the step into the decimal.
void BM_EqualsCycle(benchmark::State& state, std::string_view keys) {
    HeadlessCalculator calc = played(keys);
    const Key equals = keys_of("=").front();
    CountingCanvas canvas;
    for (auto _ : state)
        press_and_paint(calc, equals, canvas);
    benchmark::DoNotOptimize(canvas.checksum);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_EqualsCycle, 1_7, "7 BAR 1 =");
BENCHMARK_CAPTURE(BM_EqualsCycle, 5_6, "6 BAR 5 =");
BENCHMARK_CAPTURE(BM_EqualsCycle, 1_109, "109 BAR 1 =");

}  // namespace
}  // namespace tomaro::bench
