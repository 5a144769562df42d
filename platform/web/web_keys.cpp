#include "platform/web/web_keys.hpp"

#include "platform/virtual_keys.hpp"

namespace tomaro::platform::web {
namespace {

struct NamedKey {
    std::string_view key;
    int vk;
};

// clang-format off
constexpr NamedKey kNamedKeys[] = {
    {"Backspace", vk::kBack},       {"Tab", vk::kTab},              {"Clear", vk::kClear},
    {"Enter", vk::kReturn},         {"Shift", vk::kShift},          {"Control", vk::kControl},
    {"Pause", vk::kPause},          {"CapsLock", vk::kCapital},     {"Escape", vk::kEscape},
    {" ", vk::kSpace},              {"PageUp", vk::kPrior},         {"PageDown", vk::kNext},
    {"End", vk::kEnd},              {"Home", vk::kHome},            {"ArrowLeft", vk::kLeft},
    {"ArrowUp", vk::kUp},           {"ArrowRight", vk::kRight},     {"ArrowDown", vk::kDown},
    {"PrintScreen", vk::kSnapshot}, {"Insert", vk::kInsert},        {"Delete", vk::kDelete},
    {"ContextMenu", vk::kApps},     {"NumLock", vk::kNumLock},      {"ScrollLock", vk::kScroll},
};
// clang-format on

// The digit a text of one digit is, or -1.
int DigitOf(std::string_view text) {
    return text.size() == 1 && text[0] >= '0' && text[0] <= '9' ? text[0] - '0' : -1;
}

int KeypadKey(std::string_view key) {
    if (const int digit = DigitOf(key); digit >= 0) return vk::Numpad(digit);
    if (key.size() != 1) return 0;
    switch (key[0]) {
        case '*':
            return vk::kMultiply;
        case '+':
            return vk::kAdd;
        case '-':
            return vk::kSubtract;
        case '.':
        case ',':
            return vk::kDecimal;  // the decimal key, whichever mark it types
        case '/':
            return vk::kDivide;
        default:
            return 0;
    }
}

// n for "F1" to "F24" (one or two digits), else 0.
int FunctionKeyNumber(std::string_view key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return 0;
    int n = 0;
    for (const char c : key.substr(1)) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= 24 ? n : 0;
}

}  // namespace

int VirtualKeyOf(std::string_view dom_key, std::string_view dom_code, KeyboardLayout layout) {
    if (dom_code.starts_with("Numpad")) {
        if (const int code = KeypadKey(dom_key)) return code;
        // Keypad Enter, and the keypad's navigation keys with Num Lock off, are named keys.
    } else if (dom_code.starts_with("Digit") && DigitOf(dom_code.substr(5)) >= 0) {
        // Whatever Shift makes of a main-row digit key, Windows reports its digit.
        return vk::Digit(DigitOf(dom_code.substr(5)));
    }

    if (const int n = FunctionKeyNumber(dom_key)) return vk::Function(n);
    for (const NamedKey& named : kNamedKeys)
        if (named.key == dom_key) return named.vk;
    if (dom_key.size() == 1) {
        const auto character = static_cast<char32_t>(static_cast<unsigned char>(dom_key[0]));
        if (const int code = CharacterKey(character, layout, dom_code == "IntlRo")) return code;
    }
    // A letter key that types kana.
    if (dom_code.size() == 4 && dom_code.starts_with("Key") && dom_code[3] >= 'A' &&
        dom_code[3] <= 'Z')
        return vk::Letter(dom_code[3]);
    return 0;
}

}  // namespace tomaro::platform::web

// The page's keydown handler asks here, synchronously, even while the program waits for an
// event in a dialog's loop: this runs nothing that waits, and touches no state of the program.
// japanese: 1 for the Japanese layout, 0 for the US one.
extern "C" int tomaro_virtual_key(const char* dom_key, const char* dom_code, int japanese) {
    using tomaro::platform::KeyboardLayout;
    return tomaro::platform::web::VirtualKeyOf(
        dom_key, dom_code, japanese != 0 ? KeyboardLayout::Japanese : KeyboardLayout::Us);
}
