// What the help and the manuals say about keys: a row for every token word and for every
// command of the key map, made from the token words, the key map, the buttons' captions
// and the keys' names, so that no table of keys is written by hand.
#pragma once

#include <string>
#include <vector>

namespace tomaro {

struct KeyHelpRow {
    std::string codes;  // the virtual-key codes ("8, 37"); none for a token
    std::string keys;   // the token ("AC") or the keys' names ("Backspace, Left")
    std::string does;   // the button with its caption: "\"A.C.\" (all clear)"
};

std::vector<KeyHelpRow> TokenHelp();
std::vector<KeyHelpRow> KeyMapHelp();
// The copy and paste shortcuts, which hold Ctrl or Shift (no virtual-key code alone runs them).
std::vector<KeyHelpRow> ShortcutHelp();

}  // namespace tomaro
