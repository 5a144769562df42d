#include "resources/resources.hpp"

#include <array>

#include "resources/version.hpp"

namespace tomaro {
namespace {

// A keypad button: its caption, and the name a screen reader says for what it does.
constexpr ControlTemplate Button(int id, std::string_view caption, DluRect rect,
                                 std::string_view name) {
    return {.id = id,
            .kind = ControlKind::PushButton,
            .text = caption,
            .rect = rect,
            .accessibleName = name};
}

// The four fields under the display: read-only, right-aligned, named for screen readers.
constexpr ControlTemplate Field(int id, DluRect rect, std::string_view name, bool scrolls = false) {
    return {.id = id,
            .kind = ControlKind::ReadOnlyField,
            .rect = rect,
            .align = Alignment::Right,
            .scrolls = scrolls,
            .accessibleName = name};
}

// Template order is z-order and tab order; "=" alone takes the tab stop, and so the focus.
constexpr std::array kCalcControls = {
    Button(IDC_ALLCLEAR, "A.C.", {5, 45, 40, 20}, "オールクリア"),
    Button(IDC_DIGIT0, "0", {35, 131, 50, 20}, {}),
    Button(IDC_DIGIT1, "1", {35, 111, 25, 20}, {}),
    Button(IDC_DIGIT2, "2", {60, 111, 25, 20}, {}),
    Button(IDC_DIGIT3, "3", {85, 111, 25, 20}, {}),
    Button(IDC_DIGIT4, "4", {35, 91, 25, 20}, {}),
    Button(IDC_DIGIT5, "5", {60, 91, 25, 20}, {}),
    Button(IDC_DIGIT6, "6", {85, 91, 25, 20}, {}),
    Button(IDC_DIGIT7, "7", {35, 71, 25, 20}, {}),
    Button(IDC_DIGIT8, "8", {60, 71, 25, 20}, {}),
    Button(IDC_DIGIT9, "9", {85, 71, 25, 20}, {}),
    Button(IDC_POINT, ".", {110, 131, 25, 20}, "小数点"),
    Button(IDC_SIGN, "+ | -", {110, 111, 25, 20}, "符号反転"),
    Button(IDC_FRACTIONBAR, "~ | _", {110, 91, 25, 20}, "分数線"),
    Button(IDC_ADD, "+", {140, 131, 25, 20}, "足す"),
    Button(IDC_SUBTRACT, "-", {140, 111, 25, 20}, "引く"),
    Button(IDC_MULTIPLY, "*", {140, 91, 25, 20}, "掛ける"),
    Button(IDC_DIVIDE, "/", {140, 71, 25, 20}, "割る"),
    ControlTemplate{.id = IDC_EQUALS,
                    .kind = ControlKind::PushButton,
                    .text = "=",
                    .rect = {165, 131, 25, 20},
                    .tabStop = true,
                    .accessibleName = "イコール"},
    Button(IDC_CLEARENTRY, "><", {45, 45, 25, 20}, "クリアエントリ"),
    Button(IDC_BACKSPACE, "<-", {70, 45, 25, 20}, "後退"),
    ControlTemplate{.id = IDC_DISPLAY,
                    .kind = ControlKind::WhiteFrame,
                    .rect = {5, 0, 185, 30},
                    .sunkenEdge = true},
    Field(IDC_READOUT, {15, 30, 135, 12}, "小数表示", /*scrolls=*/true),
    Field(IDC_KIND, {149, 30, 32, 12}, "数の種類"),
    Field(IDC_OPERATOR, {180, 30, 10, 12}, "演算子"),
    Button(IDC_MEMORYADD, "M+", {5, 131, 25, 20}, "メモリー加算"),
    Button(IDC_MEMORYSUBTRACT, "M-", {5, 111, 25, 20}, "メモリー減算"),
    Button(IDC_MEMORYRECALL, "MR", {5, 91, 25, 20}, "メモリー呼び出し"),
    Button(IDC_MEMORYCLEAR, "MC", {5, 71, 25, 20}, "メモリークリア"),
    Field(IDC_MEMORYINDICATOR, {5, 30, 10, 12}, "メモリー表示"),
    Button(IDC_TRIPLEZERO, "000", {85, 131, 25, 20}, "ゼロ3つ"),
    Button(IDC_RECIPROCAL, "1/x", {110, 71, 25, 20}, "逆数"),
};

constexpr std::string_view kDialogFont = "ＭＳ Ｐゴシック";
constexpr int kDialogFontPoints = 9;

constexpr DialogTemplate kCalcDialog{
    .id = IDD_CALC_DIALOG,
    .extended = true,
    .caption = "Tomaro -Quillet-",
    .rect = {0, 0, 195, 155},
    .visible = true,
    .systemMenu = true,
    .minimizeBox = true,
    .appWindow = true,
    .fontName = kDialogFont,
    .fontPointSize = kDialogFontPoints,
    .controls = kCalcControls,
};

constexpr std::string_view kVersionLine = "Tomaro -Quillet- Version " TOMARO_VERSION;

constexpr std::array kAboutControls = {
    ControlTemplate{
        .id = kNoId, .kind = ControlKind::Icon, .rect = {11, 17, 20, 20}, .iconId = IDR_MAINFRAME},
    ControlTemplate{.id = kNoId,
                    .kind = ControlKind::Label,
                    .text = kVersionLine,
                    .rect = {40, 15, 110, 8},
                    .group = true,
                    .literalAmpersands = true},
    ControlTemplate{.id = kNoId,
                    .kind = ControlKind::Label,
                    .text = "分数を分数のまま、正確に計算します。",
                    .rect = {40, 31, 150, 8},
                    .group = true},
    ControlTemplate{.id = IDOK,
                    .kind = ControlKind::DefaultPushButton,
                    .text = "OK",
                    .rect = {178, 7, 50, 14},
                    .tabStop = true,
                    .group = true},
};

constexpr DialogTemplate kAboutDialog{
    .id = IDD_ABOUTBOX,
    .extended = false,
    .caption = "Tomaroのバージョン情報",
    .rect = {0, 0, 235, 55},
    .visible = false,
    .systemMenu = true,
    .minimizeBox = false,
    .appWindow = false,
    .fontName = kDialogFont,
    .fontPointSize = kDialogFontPoints,
    .controls = kAboutControls,
};

constexpr std::array kContextMenu = {
    MenuItem{ID_MENU_COPY, "コピー(&C)"},
    MenuItem{ID_MENU_PASTE, "貼り付け(&P)"},
    MenuItem{0, ""},
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

std::string_view VersionLine() {
    return kVersionLine;
}

const VersionInfo& Version() {
    return kVersion;
}

}  // namespace tomaro
