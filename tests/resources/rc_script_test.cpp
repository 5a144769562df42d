// The resource script the Windows build compiles: the committed copy is exactly what the
// resource description writes, and what it writes says what the description says.
#include "resources/win32/rc_script.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "resources/resources.hpp"
#include "resources/win32/win32_styles.hpp"

namespace tomaro {
namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines between "<header>" and the END that closes its block.
std::vector<std::string> Block(const std::string& script, const std::string& header) {
    const std::vector<std::string> lines = Lines(script);
    std::vector<std::string> block;
    bool inside = false;
    for (const std::string& line : lines) {
        if (!inside) {
            inside = line == header;
            continue;
        }
        if (line == "END") return block;
        block.push_back(line);
    }
    ADD_FAILURE() << "no block " << header;
    return {};
}

TEST(ResourceScript, CommittedCopyIsWhatTheDescriptionWrites) {
    const std::string committed = ReadFile(TOMARO_RC_FILE);
    ASSERT_FALSE(committed.empty()) << TOMARO_RC_FILE;
    // On a difference, regenerate it: write_rc > resources/win32/tomaro.rc
    EXPECT_EQ(ResourceScript(), committed);
}

TEST(ResourceScript, StartsWithTheUtf8CodePage) {
    EXPECT_EQ(ResourceScript().rfind("#pragma code_page(65001)\n", 0), 0u);
}

// One CONTROL line per control, in template order, with the template's exact styles.
TEST(ResourceScript, DialogsListEveryControlInTemplateOrder) {
    struct Case {
        const DialogTemplate& dialog;
        std::string header;
        std::vector<std::string> expected_prefix;  // the first lines of the block
        std::string display_line;                  // a control with an extended style
    };
    const Case cases[] = {
        {CalcDialogTemplate(),
         "102 DIALOGEX 0, 0, 195, 155",
         {"STYLE 0x90CA00C0", "EXSTYLE 0x00040000", "CAPTION \"Tomaro -Quillet-\"",
          "FONT 9, \"ＭＳ Ｐゴシック\", 0, 0, 1", "BEGIN",
          "    CONTROL \"A.C.\", 1003, \"Button\", 0x50000000, 5, 45, 40, 20"},
         "    CONTROL \"\", 1002, \"Static\", 0x50000006, 5, 0, 185, 30, 0x00000200"},
        {AboutDialogTemplate(),
         "100 DIALOG 0, 0, 235, 55",
         {"STYLE 0x80C800C0", "CAPTION \"Tomaroのバージョン情報\"", "FONT 9, \"ＭＳ Ｐゴシック\"",
          "BEGIN", "    CONTROL 128, -1, \"Static\", 0x50000003, 11, 17, 20, 20"},
         "    CONTROL \"OK\", 1, \"Button\", 0x50030001, 178, 7, 50, 14"},
    };
    const std::string script = ResourceScript();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const std::vector<std::string> lines = Lines(script);
        auto at = std::find(lines.begin(), lines.end(), c.header);
        ASSERT_NE(at, lines.end());
        ASSERT_GE(lines.end() - at, static_cast<long>(c.expected_prefix.size()) + 1);
        for (std::size_t i = 0; i < c.expected_prefix.size(); ++i)
            EXPECT_EQ(at[static_cast<long>(i) + 1], c.expected_prefix[i]);

        std::vector<std::string> controls;
        for (auto line = std::find(at, lines.end(), "BEGIN") + 1;
             line != lines.end() && *line != "END"; ++line)
            controls.push_back(*line);
        ASSERT_EQ(controls.size(), c.dialog.controls.size());
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const ControlTemplate& t = c.dialog.controls[i];
            EXPECT_NE(controls[i].find(", " + std::to_string(t.id) + ", "), std::string::npos)
                << controls[i];
        }
        EXPECT_NE(std::find(controls.begin(), controls.end(), c.display_line), controls.end());
    }
}

// Meanings the templates do not use yet, so the committed script does not prove their bits.
TEST(Win32Styles, MeaningsOutsideTheTemplatesGiveTheirBits) {
    struct Case {
        ControlTemplate control;
        Win32Styles expected;
    };
    const Case cases[] = {
        {{.id = 1, .kind = ControlKind::PushButton, .disabled = true}, {0x58000000, 0}},
        {{.id = 2, .kind = ControlKind::ReadOnlyField, .align = Alignment::Centre, .scrolls = true},
         {0x50800881, 0}},
        {{.id = 3, .kind = ControlKind::Label, .sunkenEdge = true, .align = Alignment::Right},
         {0x50000002, 0x00000200}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control.id);
        EXPECT_EQ(Win32StylesOf(c.control), c.expected);
    }
}

TEST(ResourceScript, MenuStringIconVersionAndManifest) {
    const std::string script = ResourceScript();
    EXPECT_EQ(Block(script, "103 MENU"),
              (std::vector<std::string>{
                  "BEGIN", "    POPUP \"\"", "    BEGIN", "        MENUITEM \"コピー(&C)\", 32776",
                  "        MENUITEM \"貼り付け(&P)\", 32777", "        MENUITEM SEPARATOR",
                  "        MENUITEM \"バージョン情報(&A)\", 32775",
                  "        MENUITEM \"終了(&X)\", 32774", "    END"}));
    EXPECT_EQ(Block(script, "STRINGTABLE"),
              (std::vector<std::string>{"BEGIN", "    101 \"このソフトのバージョン情報(&A)...\""}));

    // The version's numbers and texts are the generated header's, never written here.
    const std::vector<std::string> lines = Lines(script);
    const std::string numbers =
        "TOMARO_VERSION_MAJOR,TOMARO_VERSION_MINOR,TOMARO_VERSION_PATCH,TOMARO_VERSION_BUILD";
    const std::string commas = "\", TOMARO_VERSION_COMMAS";
    for (const std::string& expected : std::vector<std::string>{
             "#include \"resources/version.hpp\"",
             "    CONTROL \"Tomaro -Quillet- Version \" TOMARO_VERSION, -1, \"Static\", "
             "0x50020080, 40, 15, 110, 8",
             "128 ICON \"tomaro.ico\"",
             "1 24 \"tomaro.manifest\"",
             "LANGUAGE 0x11, 0x1",
             "FILEVERSION " + numbers,
             "PRODUCTVERSION " + numbers,
             "FILEFLAGSMASK 0x0000003F",
             "FILEFLAGS 0x0",
             "FILEOS 0x00000004",
             "FILETYPE 0x00000001",
             "FILESUBTYPE 0x0",
             "        BLOCK \"041104b0\"",
             "            VALUE \"FileDescription\", \"分数計算の出来る電卓です。\"",
             "            VALUE \"FileVersion" + commas,
             "            VALUE \"ProductName\", \"Tomaro ｱﾌﾟﾘｹｰｼｮﾝ\"",
             "            VALUE \"ProductVersion" + commas,
             "            VALUE \"PrivateBuild\", \"\"",
             "            VALUE \"SpecialBuild\", \"\"",
             "        VALUE \"Translation\", 0x411, 1200"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
    }
    // The standard string entries a version resource carries, each present once.
    for (const char* name :
         {"Comments", "CompanyName", "FileDescription", "FileVersion", "InternalName",
          "LegalCopyright", "LegalTrademarks", "OriginalFilename", "PrivateBuild", "ProductName",
          "ProductVersion", "SpecialBuild"}) {
        const std::string key = "VALUE \"" + std::string(name) + "\", ";
        EXPECT_EQ(
            std::count_if(lines.begin(), lines.end(),
                          [&](const std::string& l) { return l.find(key) != std::string::npos; }),
            1)
            << name;
    }
}

}  // namespace
}  // namespace tomaro
