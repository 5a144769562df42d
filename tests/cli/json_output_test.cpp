// The JSON that tomaro-cli prints must be valid JSON, one line, with its members in the
// documented order, whatever the calculator shows.
#include "cli/json_output.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/key_replay.hpp"

namespace tomaro {
namespace {

// A strict reader of the JSON grammar, enough to check what is printed. It collects the
// member names of the outermost object, in order.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : t_(text) {}

    bool ReadDocument(std::vector<std::string>& top_names) {
        names_ = &top_names;
        return Value(0) && (Blank(), i_ == t_.size());
    }

private:
    void Blank() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\t' || t_[i_] == '\n'))
            ++i_;
    }
    bool Eat(char c) {
        Blank();
        if (i_ < t_.size() && t_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w) {
        Blank();
        if (t_.substr(i_, w.size()) != w) return false;
        i_ += w.size();
        return true;
    }
    bool String(std::string* out) {
        if (!Eat('"')) return false;
        while (i_ < t_.size()) {
            const auto c = static_cast<unsigned char>(t_[i_++]);
            if (c == '"') return true;
            if (c < 0x20) return false;
            if (c == '\\') {
                if (i_ >= t_.size()) return false;
                const char e = t_[i_++];
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k, ++i_) {
                        if (i_ >= t_.size() || !std::isxdigit(static_cast<unsigned char>(t_[i_]))) {
                            return false;
                        }
                    }
                } else if (std::strchr("\"\\/bfnrt", e) == nullptr) {
                    return false;
                }
            }
            if (out != nullptr) out->push_back(static_cast<char>(c));
        }
        return false;
    }
    bool Number() {
        Blank();
        const std::size_t start = i_;
        if (i_ < t_.size() && t_[i_] == '-') ++i_;
        const auto digits = [&] {
            const std::size_t from = i_;
            while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_])))
                ++i_;
            return i_ - from;
        };
        const std::size_t int_start = i_;
        const std::size_t n = digits();
        if (n == 0 || (n > 1 && t_[int_start] == '0')) return false;
        if (i_ < t_.size() && t_[i_] == '.' && (++i_, digits() == 0)) return false;
        if (i_ < t_.size() && (t_[i_] == 'e' || t_[i_] == 'E')) {
            ++i_;
            if (i_ < t_.size() && (t_[i_] == '+' || t_[i_] == '-')) ++i_;
            if (digits() == 0) return false;
        }
        return i_ > start;
    }
    bool Value(int depth) {
        Blank();
        if (i_ >= t_.size()) return false;
        switch (t_[i_]) {
            case '{': {
                ++i_;
                if (Eat('}')) return true;
                do {
                    std::string name;
                    if (!String(&name) || !Eat(':') || !Value(depth + 1)) return false;
                    if (depth == 0) names_->push_back(name);
                } while (Eat(','));
                return Eat('}');
            }
            case '[':
                ++i_;
                if (Eat(']')) return true;
                do {
                    if (!Value(depth + 1)) return false;
                } while (Eat(','));
                return Eat(']');
            case '"':
                return String(nullptr);
            case 't':
                return Word("true");
            case 'f':
                return Word("false");
            case 'n':
                return Word("null");
            default:
                return Number();
        }
    }

    std::string_view t_;
    std::size_t i_ = 0;
    std::vector<std::string>* names_ = nullptr;
};

const std::vector<std::string> kMembers = {
    "key",       "entry",     "entryRep",    "acc",     "accRep",     "memory",    "memoryRep",
    "accShadow", "pendingOp", "resultShown", "locked",  "noticeText", "memText",   "readoutText",
    "kindText",  "opText",    "mainText",    "numText", "denText",    "mainX",     "numX",
    "denX",      "barLeft",   "barRight",    "layout",  "paint",      "clipboard",
};

TEST(JsonState, IsOneLineOfValidJsonWithTheMembersInOrder) {
    // One calculator state of every kind: each representation, a notice, an overflow, the
    // memory's indicators, a long decimal and the too-large message.
    const char* const rows[] = {
        "",
        "3 BAR 2 + 6 BAR 1 =",
        "7 / 2 = =",
        "1 / 97 = = =",
        "999999999999999999 BAR 1 = = =",
        "5 / 0 =",
        "3 BAR INV",
        "99999999999999999 * 99999999999999999 =",
        "50000000000000000 * 100 = M+ M+",
        "2 BAR 1 NEG = =",
        "1234567890123456789",
    };
    for (const char* keys : rows) {
        SCOPED_TRACE(keys);
        const auto calc = testing::played(keys);
        const Key key{Key::Button, IDC_EQUALS, "\"quoted\\key\"\n"};
        for (const Key* k : {static_cast<const Key*>(nullptr), &key}) {
            std::string out;
            AppendJsonState(out, k, calc.state(), calc.model(), calc.display(), "\"5/6\"\n");
            ASSERT_FALSE(out.empty());
            EXPECT_EQ(out.back(), '\n');
            EXPECT_EQ(out.find('\n'), out.size() - 1);
            std::vector<std::string> names;
            EXPECT_TRUE(JsonReader(out).ReadDocument(names)) << out;
            EXPECT_EQ(names, kMembers);
        }
    }
}

TEST(JsonString, EscapesWhatJsonRequiresAndPassesUtf8) {
    const struct {
        std::string_view in;
        std::string_view out;
    } rows[] = {
        {"", R"("")"},
        {"12.50", R"("12.50")"},
        {"a\"b", R"("a\"b")"},
        {"a\\b", R"("a\\b")"},
        {"\n\t\r", R"("\u000a\u0009\u000d")"},
        {std::string_view("\0\x01\x1f", 3), R"("\u0000\u0001\u001f")"},
        {"\x7f/", "\"\x7f/\""},
        {"整数 ０（ゼロ）", "\"整数 ０（ゼロ）\""},
    };
    for (const auto& row : rows) {
        std::string out = "x";
        AppendJsonString(out, row.in);
        EXPECT_EQ(out, "x" + std::string(row.out));
    }
}

TEST(JsonNumber, ReadsBackAsTheSameDouble) {
    const double rows[] = {0.0,
                           -0.0,
                           1.0,
                           7.0,
                           -2.5,
                           0.1,
                           1.0 / 3.0,
                           1e34,
                           9223372036854774784.0,
                           9223372036854775808.0,
                           -1.8446744073709552e19,
                           5e-324,
                           1.7976931348623157e308};
    for (const double v : rows) {
        std::string out;
        AppendJsonNumber(out, v);
        std::vector<std::string> names;
        EXPECT_TRUE(JsonReader(out).ReadDocument(names)) << out;
        const double back = std::strtod(out.c_str(), nullptr);
        EXPECT_EQ(std::signbit(back), std::signbit(v)) << out;
        EXPECT_EQ(back, v) << out;
    }
}

}  // namespace
}  // namespace tomaro
