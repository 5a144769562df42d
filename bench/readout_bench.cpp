// The readout's number on its own: places from the exact logarithm, then the digits in
// integers, beside the standard library's floating-point to_chars writing the same text.
// Readout values are quotients of the keyed or computed fractions, mostly of few digits.
#include <benchmark/benchmark.h>

#include <charconv>
#include <random>
#include <string>
#include <vector>

#include "display/compose_display.hpp"
#include "display/number_text.hpp"

namespace tomaro::bench {
namespace {

std::vector<double> ReadoutValues() {
    std::mt19937_64 rng(1);
    std::vector<double> values;
    for (int i = 0; i < 4096; ++i) {
        const auto num = static_cast<std::int64_t>(rng() % 100000);
        const auto den = static_cast<std::int64_t>(rng() % 1000) + 1;
        values.push_back(nearest_quotient(i % 2 == 0 ? num : -num, den));
    }
    return values;
}

void BM_ReadoutText(benchmark::State& state) {
    const std::vector<double> values = ReadoutValues();
    std::string out;
    std::size_t i = 0;
    for (auto _ : state) {
        const double v = values[i++ % values.size()];
        format_fixed(out, v, readout_precision(v));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadoutText);

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
void BM_ReadoutTextByLibrary(benchmark::State& state) {
    const std::vector<double> values = ReadoutValues();
    std::string out;
    std::size_t i = 0;
    char buf[400];
    for (auto _ : state) {
        const double v = values[i++ % values.size()];
        const auto end =
            std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, readout_precision(v));
        out.assign(buf, end.ptr);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadoutTextByLibrary);
#endif

}  // namespace
}  // namespace tomaro::bench
