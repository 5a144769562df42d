#include "resources/resources.hpp"

#include <array>

#include "resources/version.hpp"

namespace tomaro {
namespace {

using namespace style;

constexpr std::uint32_t kButton = kChild | kVisible | kPushButton;
constexpr std::uint32_t kField = kChild | kVisible | kBorder | kEditRight | kEditReadOnly;

// Template order is z-order and tab order; "=" alone takes the tab stop, and so the focus.
constexpr std::array kCalcControls = {
    ControlTemplate{IDC_ALLCLEAR, ControlKind::Button, "A.C.", {5, 45, 40, 20}, kButton},
    ControlTemplate{IDC_DIGIT0, ControlKind::Button, "0", {35, 131, 50, 20}, kButton},
    ControlTemplate{IDC_DIGIT1, ControlKind::Button, "1", {35, 111, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT2, ControlKind::Button, "2", {60, 111, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT3, ControlKind::Button, "3", {85, 111, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT4, ControlKind::Button, "4", {35, 91, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT5, ControlKind::Button, "5", {60, 91, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT6, ControlKind::Button, "6", {85, 91, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT7, ControlKind::Button, "7", {35, 71, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT8, ControlKind::Button, "8", {60, 71, 25, 20}, kButton},
    ControlTemplate{IDC_DIGIT9, ControlKind::Button, "9", {85, 71, 25, 20}, kButton},
    ControlTemplate{IDC_POINT, ControlKind::Button, ".", {110, 131, 25, 20}, kButton},
    ControlTemplate{IDC_SIGN, ControlKind::Button, "+ | -", {110, 111, 25, 20}, kButton},
    ControlTemplate{IDC_FRACTIONBAR, ControlKind::Button, "~ | _", {110, 91, 25, 20}, kButton},
    ControlTemplate{IDC_ADD, ControlKind::Button, "+", {140, 131, 25, 20}, kButton},
    ControlTemplate{IDC_SUBTRACT, ControlKind::Button, "-", {140, 111, 25, 20}, kButton},
    ControlTemplate{IDC_MULTIPLY, ControlKind::Button, "*", {140, 91, 25, 20}, kButton},
    ControlTemplate{IDC_DIVIDE, ControlKind::Button, "/", {140, 71, 25, 20}, kButton},
    ControlTemplate{IDC_EQUALS, ControlKind::Button, "=", {165, 131, 25, 20}, kButton | kTabStop},
    ControlTemplate{IDC_CLEARENTRY, ControlKind::Button, "><", {45, 45, 25, 20}, kButton},
    ControlTemplate{IDC_BACKSPACE, ControlKind::Button, "<-", {70, 45, 25, 20}, kButton},
    ControlTemplate{IDC_DISPLAY,
                    ControlKind::Static,
                    "",
                    {5, 0, 185, 30},
                    kChild | kVisible | kStaticWhiteRect,
                    kExClientEdge},
    ControlTemplate{
        IDC_READOUT, ControlKind::Edit, "", {15, 30, 135, 12}, kField | kEditAutoHScroll},
    ControlTemplate{IDC_KIND, ControlKind::Edit, "", {149, 30, 32, 12}, kField},
    ControlTemplate{IDC_OPERATOR, ControlKind::Edit, "", {180, 30, 10, 12}, kField},
    ControlTemplate{IDC_MEMORYADD, ControlKind::Button, "M+", {5, 131, 25, 20}, kButton},
    ControlTemplate{IDC_MEMORYSUBTRACT, ControlKind::Button, "M-", {5, 111, 25, 20}, kButton},
    ControlTemplate{IDC_MEMORYRECALL, ControlKind::Button, "MR", {5, 91, 25, 20}, kButton},
    ControlTemplate{IDC_MEMORYCLEAR, ControlKind::Button, "MC", {5, 71, 25, 20}, kButton},
    ControlTemplate{IDC_MEMORYINDICATOR, ControlKind::Edit, "", {5, 30, 10, 12}, kField},
    ControlTemplate{IDC_TRIPLEZERO, ControlKind::Button, "000", {85, 131, 25, 20}, kButton},
    ControlTemplate{IDC_RECIPROCAL, ControlKind::Button, "1/x", {110, 71, 25, 20}, kButton},
};

constexpr std::string_view kDialogFont = "ＭＳ Ｐゴシック";
constexpr int kDialogFontPoints = 9;

constexpr DialogTemplate kCalcDialog{
    .id = IDD_CALC_DIALOG,
    .extended = true,
    .caption = "Tomaro -Quillet-",
    .rect = {0, 0, 195, 155},
    .style = kPopup | kVisible | kCaption | kSystemMenu | kMinimizeBox | kModalFrame | kSetFont,
    .exStyle = kExAppWindow,
    .fontName = kDialogFont,
    .fontPointSize = kDialogFontPoints,
    .controls = kCalcControls,
};

constexpr std::array kAboutControls = {
    ControlTemplate{kNoId,
                    ControlKind::Static,
                    "",
                    {11, 17, 20, 20},
                    kChild | kVisible | kStaticIcon,
                    0,
                    IDR_MAINFRAME},
    ControlTemplate{kNoId,
                    ControlKind::Static,
                    "Tomaro -Quillet- Version " TOMARO_VERSION,
                    {40, 15, 110, 8},
                    kChild | kVisible | kGroup | kStaticLeft | kStaticNoPrefix},
    ControlTemplate{kNoId,
                    ControlKind::Static,
                    "分数を分数のまま、正確に計算します。",
                    {40, 31, 150, 8},
                    kChild | kVisible | kGroup | kStaticLeft},
    ControlTemplate{IDOK,
                    ControlKind::Button,
                    "OK",
                    {178, 7, 50, 14},
                    kChild | kVisible | kTabStop | kGroup | kDefaultPushButton},
};

constexpr DialogTemplate kAboutDialog{
    .id = IDD_ABOUTBOX,
    .extended = false,
    .caption = "Tomaroのバージョン情報",
    .rect = {0, 0, 235, 55},
    .style = kPopup | kCaption | kSystemMenu | kModalFrame | kSetFont,
    .exStyle = 0,
    .fontName = kDialogFont,
    .fontPointSize = kDialogFontPoints,
    .controls = kAboutControls,
};

constexpr std::array kContextMenu = {
    MenuItem{ID_MENU_ABOUT, "バージョン情報(&A)"},
    MenuItem{ID_MENU_EXIT, "終了(&X)"},
};

constexpr VersionInfo kVersion{
    .productName = "Tomaro ｱﾌﾟﾘｹｰｼｮﾝ",
    .fileDescription = "分数計算の出来る電卓です。",
    .version = TOMARO_VERSION,
    .versionCommas = TOMARO_VERSION_COMMAS,
    .major = TOMARO_VERSION_MAJOR,
    .minor = TOMARO_VERSION_MINOR,
    .patch = TOMARO_VERSION_PATCH,
    .build = TOMARO_VERSION_BUILD,
};

// Windows rounds dialog-unit conversions to the nearest pixel (MulDiv).
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

}  // namespace

const ControlTemplate* DialogTemplate::control(int control_id) const {
    for (const ControlTemplate& c : controls)
        if (c.id == control_id) return &c;
    return nullptr;
}

PixelRect ToPixels(const DluRect& r, BaseUnits u) {
    return {ScaleRounded(r.x, u.horizontal, 4), ScaleRounded(r.y, u.vertical, 8),
            ScaleRounded(r.width, u.horizontal, 4), ScaleRounded(r.height, u.vertical, 8)};
}

int HorizontalBaseUnit(int width_of_52_letters) {
    return (width_of_52_letters / 26 + 1) / 2;
}

const DialogTemplate& CalcDialogTemplate() {
    return kCalcDialog;
}
const DialogTemplate& AboutDialogTemplate() {
    return kAboutDialog;
}
std::span<const MenuItem> ContextMenuPopup() {
    return kContextMenu;
}

std::string_view LoadString(int id) {
    return id == IDS_ABOUTBOX ? "このソフトのバージョン情報(&A)..." : "";
}

const VersionInfo& Version() {
    return kVersion;
}

}  // namespace tomaro
