// Fuzz target for pasted text: any bytes are taken or refused without a fault; a text that is
// taken keys exactly the number it was read as, and that value, copied in each form the
// display shows it in, pastes back as the same value.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "display/compose_display.hpp"
#include "display/display_reading.hpp"
#include "engine/command.hpp"
#include "shell/pasted_number.hpp"
#include "tests/engine/engine_keys.hpp"

namespace {

using namespace tomaro;

void check(bool holds) {
    if (!holds) __builtin_trap();
}

bool same_value(Fraction a, Fraction b) {
    return Int128{a.num} * Int128{b.den} == Int128{b.num} * Int128{a.den};
}

// The number keyed on a fresh calculator: the state Paste leaves.
CalcState keyed(const KeyedNumber& n) {
    CalcState s;
    testing::TestWindow w;
    AllClear(s, w);
    for (const Command c : KeysOf(n))
        Run(c, s, w);
    check(!s.locked);
    return s;
}

// The value the parser read, from its parts: digits over the denominator or 10^places.
Fraction read_value(const KeyedNumber& n) {
    Int64 den = n.denominator != 0 ? static_cast<Int64>(n.denominator) : 1;
    for (int i = 0; i < n.places; ++i)
        den *= 10;
    const auto digits = static_cast<Int64>(n.digits);
    return {n.negative ? -digits : digits, den};
}

// What Copy writes of the state's display, pasted and keyed again, is the value shown: the
// entry, or the integer it is rounded to.
void copy_and_paste(const CalcState& state) {
    CalcState s = state;
    DisplayModel m;
    SetDisplayMetrics(m, {0, 0, 200, 40}, 8, 16);
    ComposeDisplay(s, m);
    const auto copied = DisplayedValueText(s, m);
    if (!copied) return;  // a denominator too large to expand shows no value
    const Fraction shown =
        s.entryRep == REP_INTEGER ? Fraction{std::stoll(m.mainText), 1} : s.entry;
    const auto pasted = ParsePastedNumber(*copied);
    check(pasted.has_value());
    check(same_value(keyed(*pasted).entry, shown));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto n = ParsePastedNumber(text);
    if (!n) return 0;
    CalcState s = keyed(*n);
    check(same_value(s.entry, read_value(*n)));
    // As pasted, then in each form that "=" steps the value through.
    testing::TestWindow w;
    copy_and_paste(s);
    for (int i = 0; i < 4; ++i) {
        Run(Command::Equals, s, w);
        copy_and_paste(s);
    }
    return 0;
}
