// tomaro-cli: plays keys on a fresh calculator and prints what it shows.
#include <string_view>
#include <vector>

#include "cli/program.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tomaro::RunCli(args);
}
