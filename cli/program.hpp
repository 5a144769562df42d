// The whole of tomaro-cli but its entry point: options, key file, check, play and output,
// so that the fuzz target runs exactly what the program runs.
#pragma once

#include <span>
#include <string_view>

namespace tomaro {

// args excludes the program name. Prints on standard output and standard error and returns
// the exit status: 0, 1 if standard output cannot be written, 2 for bad input.
int RunCli(std::span<const std::string_view> args);

}  // namespace tomaro
