#include "platform/layout_keys.hpp"

#include "platform/virtual_keys.hpp"

namespace tomaro::platform {
namespace {

// A character whose key may differ between the layouts: on the Japanese layout the shifted
// digits are !"#$%&'() and the punctuation keys sit elsewhere.
struct SymbolRow {
    char32_t character;
    int us;
    int japanese;
};

constexpr SymbolRow kSymbols[] = {
    {'.', vk::kOemPeriod, vk::kOemPeriod},
    {'>', vk::kOemPeriod, vk::kOemPeriod},
    {',', vk::kOemComma, vk::kOemComma},
    {'<', vk::kOemComma, vk::kOemComma},
    {'/', vk::kOem2, vk::kOem2},
    {'?', vk::kOem2, vk::kOem2},
    {'-', vk::kOemMinus, vk::kOemMinus},
    {'+', vk::kOemPlus, vk::kOemPlus},
    {':', vk::kOem1, vk::kOem1},
    {'*', vk::kOem1, vk::kOem1},  // US Shift+8 comes as its digit where the host knows the key
    {';', vk::kOem1, vk::kOemPlus},
    {'=', vk::kOemPlus, vk::kOemMinus},
    {'_', vk::kOemMinus, vk::kOem102},
    {'[', vk::kOem4, vk::kOem4},
    {'{', vk::kOem4, vk::kOem4},
    {']', vk::kOem6, vk::kOem6},
    {'}', vk::kOem6, vk::kOem6},
    {'\\', vk::kOem5, vk::kOem5},
    {'|', vk::kOem5, vk::kOem5},
    {'`', vk::kOem3, vk::kOem3},
    {'~', vk::kOem3, vk::kOem7},
    {'!', vk::Digit(1), vk::Digit(1)},
    {'@', vk::Digit(2), vk::kOem3},
    {'"', vk::kOem7, vk::Digit(2)},
    {'#', vk::Digit(3), vk::Digit(3)},
    {'$', vk::Digit(4), vk::Digit(4)},
    {'%', vk::Digit(5), vk::Digit(5)},
    {'^', vk::Digit(6), vk::kOem7},
    {'&', vk::Digit(7), vk::Digit(6)},
    {'\'', vk::kOem7, vk::Digit(7)},
    {'(', vk::Digit(9), vk::Digit(8)},
    {')', vk::Digit(0), vk::Digit(9)},
};

}  // namespace

int CharacterKey(char32_t character, KeyboardLayout layout, bool ro_key) {
    const bool japanese = layout == KeyboardLayout::Japanese;
    if (character >= 'A' && character <= 'Z') return vk::Letter(static_cast<char>(character));
    if (character >= 'a' && character <= 'z')
        return vk::Letter(static_cast<char>(character - 'a' + 'A'));
    if (character >= '0' && character <= '9') return vk::Digit(static_cast<int>(character - '0'));
    if (character == '\\' && japanese && ro_key) return vk::kOem102;
    for (const SymbolRow& row : kSymbols)
        if (row.character == character) return japanese ? row.japanese : row.us;
    return 0;
}

}  // namespace tomaro::platform
