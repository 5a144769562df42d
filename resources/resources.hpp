// The program's resources: the two dialog templates, the context menu, the string table,
// the icon and the version data. The one source of truth for ids, captions and positions.
#pragma once

#include <span>
#include <string_view>

#include "resources/control_ids.hpp"
#include "resources/dialog_template.hpp"

namespace tomaro {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_CALC_DIALOG = 102;
inline constexpr int IDR_CONTEXTMENU = 103;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDM_ABOUTBOX = 16;
inline constexpr int ID_MENU_EXIT = 32774;
inline constexpr int ID_MENU_ABOUT = 32775;
inline constexpr int ID_MENU_COPY = 32776;
inline constexpr int ID_MENU_PASTE = 32777;
inline constexpr int IDT_NOTICE = 1000;
inline constexpr int kNoticeMilliseconds = 2000;

// The readout's notice for a paste that keyed nothing; it fits the field whole.
inline constexpr std::string_view kNoticePasteRefused = "正確に入力できないため貼り付けません。";
// Said with the error display: what still works while the keypad is locked.
inline constexpr std::string_view kSpokenKeypadLocked =
    "キーパッドはロックされています。A.C.またはEscキーで解除します。";

const DialogTemplate& CalcDialogTemplate();
const DialogTemplate& AboutDialogTemplate();

// One entry of a menu; a separator has id 0 and no text. A disabled item is shown grayed
// and cannot be chosen.
struct MenuItem {
    int id;
    std::string_view text;
    bool disabled = false;
    bool separator() const { return id == 0; }
};

// The first popup of menu IDR_CONTEXTMENU: the only part of it that is ever shown.
std::span<const MenuItem> ContextMenuPopup();

// The string table; an unknown id gives the empty string, as a failed load does.
std::string_view LoadString(int id);

struct VersionInfo {
    std::string_view productName;
    std::string_view fileDescription;
    std::string_view version;        // dotted, for people and package metadata
    std::string_view versionCommas;  // as the version resource writes it
    int major, minor, patch, build;
};
const VersionInfo& Version();

// The product and its version, as the About box shows them.
std::string_view VersionLine();

}  // namespace tomaro
