#include "cli/key_stream.hpp"

#include <algorithm>
#include <cctype>

namespace tomaro {

KeyStream::KeyStream(std::string file_text, std::vector<std::string> command_line,
                     std::size_t piece_bytes)
    : file_text_(std::move(file_text)),
      command_line_(std::move(command_line)),
      piece_bytes_(std::max<std::size_t>(piece_bytes, 1)) {}

std::optional<TokenError> KeyStream::Check() const {
    return Walk([](const std::vector<Key>&) {});
}

std::size_t KeyStream::PieceEnd(std::size_t start) const {
    std::size_t end = std::min(start + piece_bytes_, file_text_.size());
    while (end < file_text_.size() && !std::isspace(static_cast<unsigned char>(file_text_[end]))) {
        ++end;
    }
    return end;
}

}  // namespace tomaro
