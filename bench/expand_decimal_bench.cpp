// ExpandDecimal on its own, from the everyday to the slowest inputs below the too-large
// limit. Its cost is a chain of 64-bit divisions: up to 101 rounds of the period search,
// m rounds of the pre-period search and m + n digits, where m (the places before the
// block) grows with the powers of 2 and 5 in the denominator.
#include <benchmark/benchmark.h>

#include <limits>
#include <string>

#include "display/expand_decimal.hpp"

namespace tomaro::bench {
namespace {

constexpr Int64 pow2(int k) {
    return Int64{1} << k;
}

void BM_ExpandDecimal(benchmark::State& state, Int64 num, Int64 den) {
    std::string text;
    text.reserve(256);  // as a display that has shown a long decimal before
    Fraction f{num, den};
    std::string_view kind;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f);
        kind = ExpandDecimal(f, text);
        benchmark::DoNotOptimize(text.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["chars"] = static_cast<double>(text.size());
    state.SetLabel(std::string(kind));
}

// Everyday values.
BENCHMARK_CAPTURE(BM_ExpandDecimal, 22_7, 22, 7);
BENCHMARK_CAPTURE(BM_ExpandDecimal, 7_12, 7, 12);
BENCHMARK_CAPTURE(BM_ExpandDecimal, keyed_1_50, 150, 100);
BENCHMARK_CAPTURE(BM_ExpandDecimal, 3_8, 3, 8);
// A period of 96 digits, and one longer than the cap (108): 101 digits shown.
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_97, 1, 97);
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_109, 1, 109);
BENCHMARK_CAPTURE(BM_ExpandDecimal, minus_1_109, -1, 109);
// Denominators at the too-large limit: a capped period search with 101 digits.
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_922337203685477503, 1, 922337203685477503);
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_922337203685477504, 1, 922337203685477504);
BENCHMARK_CAPTURE(BM_ExpandDecimal, max_over_922337203685477503, std::numeric_limits<Int64>::max(),
                  922337203685477503);
// The slowest: the most places before a capped block. 2^52 * D stays below the limit for
// D up to 204, and every D from 109 up with a period of at least 101 gives 52 + 101 digits
// after 101 rounds of period search and 52 of pre-period search.
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_2pow52x193, 1, pow2(52) * 193);
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_2pow52x109, 1, pow2(52) * 109);
BENCHMARK_CAPTURE(BM_ExpandDecimal, max_over_2pow52x193, std::numeric_limits<Int64>::min() + 1,
                  -pow2(52) * 193);
// One more place before the block but a shorter one: 2^53 * 97 (53 + 96 digits).
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_2pow53x97, 1, pow2(53) * 97);
// Mixed powers: 2^50 * 5 * 149.
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_2pow50x5x149, 1, pow2(50) * 5 * 149);
// The longest terminating decimal: 2^59, 59 digits.
BENCHMARK_CAPTURE(BM_ExpandDecimal, 1_2pow59, 1, pow2(59));
// The longest keyed decimal: 17 places.
BENCHMARK_CAPTURE(BM_ExpandDecimal, keyed_17_places, 12345678901234567, 100000000000000000);
// Refused at once.
BENCHMARK_CAPTURE(BM_ExpandDecimal, too_large, 1, 922337203685477505);

}  // namespace
}  // namespace tomaro::bench
