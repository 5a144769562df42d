// The one record of every number and flag of the calculator, and its three resets.
#pragma once

#include <string>

#include "engine/fraction.hpp"
#include "engine/window_requests.hpp"

namespace tomaro {

inline constexpr std::string_view kNoticeDivideByZero = "０（ゼロ）で除算することはできません。";
inline constexpr std::string_view kNoticeZeroDenominator =
    "０（ゼロ）を分母にすることはできません。";

struct CalcState {
    Fraction entry;  // the operand being keyed, or the last result
    Rep entryRep = REP_INTEGER;
    Fraction acc;  // left operand and running result
    Rep accRep = REP_INTEGER;
    Fraction memory;
    Rep memoryRep = REP_INTEGER;
    Shadow entryShadow;
    Shadow accShadow;
    char pendingOp = ' ';  // ' ' until the first evaluation, then '+', '-', '*', '/' or '='
    bool resultShown = false;
    bool locked = false;
    // Set by memory recall: the operand is a recalled value, which keying must replace
    // rather than extend. Cleared by whatever replaces the operand.
    bool entryRecalled = false;
    std::string noticeText;
    std::string memText;  // "", "M" or "E"
    std::string readoutText;
    std::string kindText;
    std::string opText;
};

void ClearEntry(CalcState& s, WindowRequests& w);
void AllClear(CalcState& s, WindowRequests& w);
void MemoryClear(CalcState& s, WindowRequests& w);

// Puts a transient message in place of the readout; the window times it out.
void ShowNotice(CalcState& s, WindowRequests& w, std::string_view text);

// The notice timer has expired: the readout shows the value again at once.
void ExpireNotice(CalcState& s, WindowRequests& w);

}  // namespace tomaro
