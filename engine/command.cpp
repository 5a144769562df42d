#include "engine/command.hpp"

#include "engine/evaluate.hpp"
#include "engine/memory_register.hpp"
#include "engine/operand_entry.hpp"

namespace tomaro {

void Run(Command c, CalcState& s, WindowRequests& w) {
    switch (c) {
        case Command::Digit0:
        case Command::Digit1:
        case Command::Digit2:
        case Command::Digit3:
        case Command::Digit4:
        case Command::Digit5:
        case Command::Digit6:
        case Command::Digit7:
        case Command::Digit8:
        case Command::Digit9:
            return OnDigit(s, w, static_cast<int>(c));
        case Command::TripleZero:
            return OnTripleZero(s, w);
        case Command::Point:
            return OnPoint(s, w);
        case Command::Backspace:
            return OnBackspace(s, w);
        case Command::Sign:
            return OnSign(s, w);
        case Command::FractionBar:
            return OnFractionBar(s, w);
        case Command::Reciprocal:
            return OnReciprocal(s, w);
        case Command::Add:
            return OnOperator(s, w, '+');
        case Command::Subtract:
            return OnOperator(s, w, '-');
        case Command::Multiply:
            return OnOperator(s, w, '*');
        case Command::Divide:
            return OnOperator(s, w, '/');
        case Command::Equals:
            return Evaluate(s, w);
        case Command::AllClear:
            return AllClear(s, w);
        case Command::ClearEntry:
            return OnClearEntry(s, w);
        case Command::MemoryAdd:
            return OnMemoryAdd(s, w);
        case Command::MemorySubtract:
            return OnMemorySubtract(s, w);
        case Command::MemoryRecall:
            return OnMemoryRecall(s, w);
        case Command::MemoryClear:
            return MemoryClear(s, w);
    }
}

}  // namespace tomaro
