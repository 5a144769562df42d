#include "resources/win32/rc_script.hpp"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "resources/resources.hpp"
#include "resources/win32/win32_styles.hpp"

namespace tomaro {
namespace {

// Entries of the version resource that nothing else in the program shows.
constexpr std::string_view kCompanyName = "Tomaro developers";
constexpr std::string_view kInternalName = "Tomaro";
constexpr std::string_view kLegalCopyright = "Copyright (C) 2026 The Tomaro developers";
constexpr std::string_view kOriginalFilename = "Tomaro.EXE";

// Resource type 24 is RT_MANIFEST; written as a number so the script needs no Windows header.
constexpr int kManifestResource = 1;
constexpr int kManifestType = 24;
constexpr int kVersionResource = 1;
constexpr int kFileFlagsMask = 0x3F;
constexpr int kFileOsWindows32 = 0x4;
constexpr int kFileTypeApplication = 0x1;
constexpr int kLanguageJapanese = 0x411;
constexpr int kCodePageUnicode = 1200;
constexpr int kCharsetDefault = 1;

std::string Hex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(value));
    return buffer;
}

// A string literal as the resource compiler reads it: quotes doubled, backslashes escaped.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += "\"\"";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out + "\"";
}

std::string Rect(const DluRect& r) {
    return std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.width) +
           ", " + std::to_string(r.height);
}

// A caption; one that ends with the version names it by the generated header's macro, which
// the resource compiler joins to the text before it.
std::string Caption(std::string_view text) {
    const std::string_view version = Version().version;
    if (text.size() <= version.size() || !text.ends_with(version)) return Quoted(text);
    return Quoted(text.substr(0, text.size() - version.size())) + " TOMARO_VERSION";
}

// Every control as a generic CONTROL statement: it states the class and the exact style
// bits, where the short forms (PUSHBUTTON, LTEXT...) would add bits of their own.
void WriteControl(std::string& out, const ControlTemplate& c) {
    // An icon static names its icon by number; any other control gives its caption.
    const std::string text =
        c.kind == ControlKind::Icon ? std::to_string(c.iconId) : Caption(c.text);
    const Win32Styles styles = Win32StylesOf(c);
    out += "    CONTROL " + text + ", " + std::to_string(c.id) + ", \"" +
           std::string(Win32ClassOf(c.kind)) + "\", " + Hex(styles.style) + ", " + Rect(c.rect);
    if (styles.exStyle != 0) out += ", " + Hex(styles.exStyle);
    out += "\n";
}

void WriteDialog(std::string& out, const DialogTemplate& d) {
    out += std::to_string(d.id) + (d.extended ? " DIALOGEX " : " DIALOG ") + Rect(d.rect) + "\n";
    const Win32Styles styles = Win32StylesOf(d);
    out += "STYLE " + Hex(styles.style) + "\n";
    if (styles.exStyle != 0) out += "EXSTYLE " + Hex(styles.exStyle) + "\n";
    out += "CAPTION " + Quoted(d.caption) + "\n";
    out += "FONT " + std::to_string(d.fontPointSize) + ", " + Quoted(d.fontName);
    // An extended template also names weight, italic and character set.
    if (d.extended) out += ", 0, 0, " + std::to_string(kCharsetDefault);
    out += "\nBEGIN\n";
    for (const ControlTemplate& c : d.controls)
        WriteControl(out, c);
    out += "END\n\n";
}

void WriteMenu(std::string& out) {
    out += std::to_string(IDR_CONTEXTMENU) + " MENU\nBEGIN\n    POPUP \"\"\n    BEGIN\n";
    for (const MenuItem& item : ContextMenuPopup()) {
        if (item.separator())
            out += "        MENUITEM SEPARATOR\n";
        else
            out += "        MENUITEM " + Quoted(item.text) + ", " + std::to_string(item.id) + "\n";
    }
    out += "    END\nEND\n\n";
}

// The numbers are the generated version header's macros: the script never writes them, so
// a new version needs no new script.
void WriteVersion(std::string& out) {
    const VersionInfo& v = Version();
    const std::string numbers =
        "TOMARO_VERSION_MAJOR,TOMARO_VERSION_MINOR,TOMARO_VERSION_PATCH,TOMARO_VERSION_BUILD";
    char block[16];
    std::snprintf(block, sizeof block, "%04x%04x", kLanguageJapanese, kCodePageUnicode);

    out += std::to_string(kVersionResource) + " VERSIONINFO\n";
    out += "FILEVERSION " + numbers + "\n";
    out += "PRODUCTVERSION " + numbers + "\n";
    out += "FILEFLAGSMASK " + Hex(kFileFlagsMask) + "\n";
    out += "FILEFLAGS 0x0\n";
    out += "FILEOS " + Hex(kFileOsWindows32) + "\n";
    out += "FILETYPE " + Hex(kFileTypeApplication) + "\n";
    out += "FILESUBTYPE 0x0\n";
    out += "BEGIN\n    BLOCK \"StringFileInfo\"\n    BEGIN\n";
    out += "        BLOCK \"" + std::string(block) + "\"\n        BEGIN\n";
    const std::string commas = "TOMARO_VERSION_COMMAS";
    const std::pair<std::string_view, std::string> strings[] = {
        {"Comments", Quoted("")},
        {"CompanyName", Quoted(kCompanyName)},
        {"FileDescription", Quoted(v.fileDescription)},
        {"FileVersion", commas},
        {"InternalName", Quoted(kInternalName)},
        {"LegalCopyright", Quoted(kLegalCopyright)},
        {"LegalTrademarks", Quoted("")},
        {"OriginalFilename", Quoted(kOriginalFilename)},
        {"PrivateBuild", Quoted("")},
        {"ProductName", Quoted(v.productName)},
        {"ProductVersion", commas},
        {"SpecialBuild", Quoted("")},
    };
    for (const auto& [name, value] : strings)
        out += "            VALUE " + Quoted(name) + ", " + value + "\n";
    out += "        END\n    END\n";
    char translation[32];
    std::snprintf(translation, sizeof translation, "0x%x, %d", kLanguageJapanese, kCodePageUnicode);
    out += "    BLOCK \"VarFileInfo\"\n    BEGIN\n        VALUE \"Translation\", " +
           std::string(translation) + "\n    END\nEND\n\n";
}

}  // namespace

std::string ResourceScript() {
    std::string out;
    // windres reads the script as Windows-1252 unless told otherwise.
    out += "#pragma code_page(65001)\n";
    out += "// Written by resources/win32/write_rc from resources/resources.cpp; do not edit.\n";
    // The version's numbers, generated by CMake from the project's version.
    out += "#include \"resources/version.hpp\"\n\n";
    // Japanese, default sublanguage: the language of every resource below.
    out += "LANGUAGE 0x11, 0x1\n\n";
    out += std::to_string(IDR_MAINFRAME) + " ICON \"tomaro.ico\"\n\n";
    WriteDialog(out, CalcDialogTemplate());
    WriteDialog(out, AboutDialogTemplate());
    WriteMenu(out);
    out += "STRINGTABLE\nBEGIN\n    " + std::to_string(IDS_ABOUTBOX) + " " +
           Quoted(LoadString(IDS_ABOUTBOX)) + "\nEND\n\n";
    WriteVersion(out);
    out += std::to_string(kManifestResource) + " " + std::to_string(kManifestType) +
           " \"tomaro.manifest\"\n";
    return out;
}

}  // namespace tomaro
