// Paste of a large clipboard through the dialog: the menu's Paste reads the text from the
// platform, checks it whole and refuses it with the notice. Each iteration is one paste of
// 10 MB; the target is well under 0.3 s.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "cli/hosted_calculator.hpp"
#include "resources/resources.hpp"
#include "shell/pasted_number.hpp"

namespace tomaro::bench {
namespace {

constexpr std::size_t kTenMegabytes = std::size_t{10} << 20;

// `unit` repeated to 10 MB, after `head`.
std::string clipboard_of(std::string_view head, std::string_view unit) {
    std::string text(head);
    while (text.size() < kTenMegabytes)
        text += unit;
    return text;
}

void BM_PasteRefused(benchmark::State& state, std::string head, std::string unit) {
    const std::string text = clipboard_of(head, unit);
    const Key paste{Key::MenuItem, ID_MENU_PASTE, "PASTE"};
    RunCalculator(
        {},
        [&](HostedCalculator& calc) {
            for (auto _ : state)
                calc.Play(paste);
            if (calc.state().readoutText != kNoticePasteRefused)
                state.SkipWithError("the text was not refused");
        },
        text);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
// Digits too many for the keypad; a decimal's places; groups of three; full-width digits;
// a recurring block; a page of Japanese text; digits after a no-break space.
BENCHMARK_CAPTURE(BM_PasteRefused, digits, "", "1234567890")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteRefused, places, "0.", "1234567890")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteRefused, groups, "1", ",234")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteRefused, full_width, "", "１２３４５")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteRefused, recurring, "0.{", "142857")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteRefused, japanese, "", "電卓の文字。")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PasteRefused, no_break_spaces, "1", "\u00A0234")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tomaro::bench
