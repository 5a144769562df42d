// Fuzz target for everything tomaro-cli does with its input: options, the key file read in
// pieces (as a regular file, read twice, or as a pipe, kept), the token check, the play on
// the hosted dialog, and the JSON and text output.
//
// An input is the arguments, one per line, then a NUL and the key file. Without a NUL there
// is no key file. The first byte chooses how the key file arrives: even, a regular file;
// odd, a pipe.
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/program.hpp"

namespace {

// Nothing the target does may wait for a terminal: "--keys-from -" reads an empty input.
const bool kQuietInput = std::freopen("/dev/null", "r", stdin) != nullptr;

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        out.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return out;
}

// A descriptor holding the key file: a memory file (regular) or the read end of a pipe.
int key_file(std::string_view text, bool as_pipe) {
    if (!as_pipe) {
        const int fd = memfd_create("keys", 0);
        if (fd < 0 || write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            if (fd >= 0) close(fd);
            return -1;
        }
        return fd;
    }
    int fds[2];
    if (pipe(fds) != 0) return -1;
    fcntl(fds[1], F_SETPIPE_SZ, 1 << 20);
    const bool written =
        write(fds[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(fds[1]);
    if (!written) {
        close(fds[0]);
        return -1;
    }
    return fds[0];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || !kQuietInput) return 0;
    const bool as_pipe = (data[0] & 1) != 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t nul = input.find('\0');
    std::vector<std::string> args;
    for (const std::string_view arg : lines(input.substr(0, nul))) {
        // The key file is the fuzzer's own: a path from the input could name a terminal.
        if (arg.starts_with("--keys-from")) return 0;
        args.emplace_back(arg);
    }
    int fd = -1;
    if (nul != std::string_view::npos) {
        fd = key_file(input.substr(nul + 1), as_pipe);
        if (fd < 0) return 0;
        args.insert(args.begin(), {"--keys-from", "/dev/fd/" + std::to_string(fd)});
    }
    const std::vector<std::string_view> views(args.begin(), args.end());
    const int status = tomaro::RunCli(views);
    if (fd >= 0) close(fd);
    if (status != 0 && status != 1 && status != 2) __builtin_trap();
    std::clearerr(stdout);
    return 0;
}
