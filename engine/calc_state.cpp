#include "engine/calc_state.hpp"

namespace tomaro {

void ClearEntry(CalcState& s, WindowRequests& w) {
    s.entry = {0, 1};
    s.entryRep = REP_INTEGER;
    s.resultShown = false;
    s.entryRecalled = false;
    s.noticeText.clear();
    w.StopNoticeTimer();
    w.ComposeDisplay();
    w.PaintDisplay();
}

void AllClear(CalcState& s, WindowRequests& w) {
    s.acc = {0, 1};
    s.accRep = REP_INTEGER;
    s.pendingOp = ' ';
    s.locked = false;
    ClearEntry(s, w);
    w.UnlockKeypad();
}

void MemoryClear(CalcState& s, WindowRequests& w) {
    if (s.locked) return;
    s.memory = {0, 1};
    s.memoryRep = REP_INTEGER;
    s.memText.clear();
    w.PushFieldTexts();
}

void ShowNotice(CalcState& s, WindowRequests& w, std::string_view text) {
    s.noticeText = text;
    w.ShowNotice(text);
}

void ExpireNotice(CalcState& s, WindowRequests& w) {
    w.StopNoticeTimer();
    s.noticeText.clear();
    w.ComposeDisplay();
    w.PaintDisplay();
}

}  // namespace tomaro
