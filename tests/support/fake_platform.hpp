// The headless platform as the dialog tests use it: every call of the dialog's logic is
// logged, and the platform remembers which dialogs it opened and how they ended.
#pragma once

#include <map>
#include <string_view>
#include <vector>

#include "platform/headless/headless_platform.hpp"

namespace tomaro::testing {

using platform::headless::Call;
using FakeDialogWindow = platform::headless::HeadlessWindow;
using WindowSettings = platform::headless::Screen;

class FakePlatform final : public platform::headless::HeadlessPlatform {
public:
    std::map<int, Session> scripts;  // by template id: what happens while that dialog runs
    std::vector<int> opened;         // template ids, in the order DoModal was asked for them
    std::vector<int> results;        // as each dialog ended, innermost first

    FakePlatform() { screen.log_calls = true; }

    int DoModal(const DialogTemplate& t, platform::DialogHandler& handler) override {
        opened.push_back(t.id);
        const auto script = scripts.find(t.id);
        SetSession(t.id, script != scripts.end() ? script->second : Session{});
        const int result = HeadlessPlatform::DoModal(t, handler);
        results.push_back(result);
        return result;
    }
};

inline std::vector<Call> CallsOf(const FakeDialogWindow& w, std::string_view op,
                                 std::size_t from = 0) {
    std::vector<Call> out;
    for (std::size_t i = from; i < w.Calls().size(); ++i)
        if (w.Calls()[i].op == op) out.push_back(w.Calls()[i]);
    return out;
}

// How often each control's text was set.
inline std::map<int, int> TextSets(const FakeDialogWindow& w) {
    std::map<int, int> sets;
    for (const Call& c : CallsOf(w, "text"))
        ++sets[c.id];
    return sets;
}

}  // namespace tomaro::testing
