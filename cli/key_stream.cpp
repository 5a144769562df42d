#include "cli/key_stream.hpp"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "cli/key_scanner.hpp"
#include "cli/shown_text.hpp"

namespace tomaro {
namespace {

// Kept keys are stored in blocks of this many, so that a growing store never copies them.
constexpr std::size_t kKeptBlock = std::size_t{1} << 20;

std::string cannot_read(const std::string& what, int error) {
    return "cannot read " + what +
           (error != 0 ? ": " + std::string(std::strerror(error)) : std::string());
}

bool is_regular(std::FILE* f) {
    struct stat st {};
    return fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::variant<KeyStream, std::string> KeyStream::Open(const std::optional<std::string>& path,
                                                     const std::vector<std::string>& command_line,
                                                     std::size_t piece_bytes,
                                                     std::uint64_t most_kept) {
    KeyStream s(std::max<std::size_t>(piece_bytes, 1), most_kept);
    if (path) {
        const bool from_stdin = *path == "-";
        s.name_ = from_stdin ? "standard input" : ShownText(*path);
        s.file_name_ = from_stdin ? "standard input" : "key file '" + s.name_ + "'";
        errno = 0;
        if (!from_stdin) s.file_.reset(std::fopen(path->c_str(), "rb"));
        std::FILE* f = from_stdin ? stdin : s.file_.get();
        if (f == nullptr) return cannot_read(s.file_name_, errno);

        std::optional<std::string> error;
        if (!from_stdin && is_regular(f)) {
            error = s.ReadFile(f, UINT64_MAX, [](std::span<const KeyCode>) { return true; });
        } else {
            error = s.ReadFile(f, UINT64_MAX,
                               [&](std::span<const KeyCode> codes) { return s.Keep(codes); });
            s.file_.reset();
            if (error && error->empty()) {
                error = s.file_name_ + " holds more than " + std::to_string(most_kept) +
                        " keys, the most kept from standard input or a pipe";
            }
        }
        if (error) return *std::move(error);
    }

    for (std::size_t i = 0; i < command_line.size(); ++i) {
        const std::string& token = command_line[i];
        const TokenClass c = ClassifyToken(token);
        if (c.kind == TokenClass::Bad) {
            return "bad token " + Quoted(token) + " at position " +
                   std::to_string(s.file_tokens_ + i + 1) + ": " + std::string(c.reason);
        }
        if (c.kind == TokenClass::Word) {
            s.command_line_.push_back(c.code);
        } else {
            for (const char ch : token)
                s.command_line_.push_back(NumberCharCode(ch));
        }
    }
    return s;
}

std::optional<std::string> KeyStream::ReadFile(std::FILE* f, std::uint64_t most,
                                               const UseCodes& use) {
    KeyScanner scanner(name_);
    std::vector<char> piece(piece_bytes_);
    std::vector<KeyCode> codes;
    codes.reserve(piece_bytes_);
    std::optional<std::string> stopped;  // set by use, when it refuses
    std::uint64_t read = 0;
    while (read < most) {
        const std::size_t want =
            static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), most - read));
        errno = 0;
        const std::size_t n = std::fread(piece.data(), 1, want, f);
        if (n == 0) {
            if (std::ferror(f)) return cannot_read(file_name_, errno);
            break;
        }
        read += n;
        if (!scanner.Read(std::string_view(piece.data(), n), codes)) return scanner.error();
        if (!use(codes)) return "";
        codes.clear();
    }
    if (!scanner.Finish(codes)) return scanner.error();
    if (!use(codes)) return "";
    file_tokens_ = scanner.tokens();
    file_bytes_ = read;
    return std::nullopt;
}

bool KeyStream::Keep(std::span<const KeyCode> codes) {
    if (codes.size() > most_kept_ - kept_count_) return false;
    kept_count_ += codes.size();
    while (!codes.empty()) {
        if (kept_.empty() || kept_.back().size() == kKeptBlock) {
            kept_.emplace_back().reserve(kKeptBlock);
        }
        std::vector<KeyCode>& block = kept_.back();
        const std::size_t n = std::min(codes.size(), kKeptBlock - block.size());
        block.insert(block.end(), codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(n));
        codes = codes.subspan(n);
    }
    return true;
}

std::optional<std::string> KeyStream::ForEachCode(const UseCodes& use) {
    if (file_) {
        const std::uint64_t checked_tokens = file_tokens_;
        const std::uint64_t checked_bytes = file_bytes_;
        const std::string changed = file_name_ + " changed while it was played";
        if (std::fseek(file_.get(), 0, SEEK_SET) != 0) return changed;
        if (ReadFile(file_.get(), checked_bytes, use) || file_bytes_ != checked_bytes ||
            file_tokens_ != checked_tokens) {
            return changed;
        }
    }
    for (const std::vector<KeyCode>& block : kept_)
        use(block);
    use(command_line_);
    return std::nullopt;
}

}  // namespace tomaro
