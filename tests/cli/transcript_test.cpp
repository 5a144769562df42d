// Plays every entry of the transcripts (transcripts/*.txt, a file per topic) through the
// built tomaro-cli and compares what it prints, byte for byte, and how it exits.
//
// An entry:
//   $ ARG ARG ...     the arguments of tomaro-cli, split on blanks (no quoting; "*" is literal)
//   < TEXT            optional, right after the "$" line: one line of standard input each
//   ...               the exact standard output, line by line (none at all is allowed)
//   ? STATUS          the exit status, which ends the entry
// Between entries, blank lines and lines starting with "#" are ignored. @VERSION@ in an
// output line stands for the build's version. Standard error must be empty exactly when the
// status is 0.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/key_tokens.hpp"
#include "resources/resources.hpp"
#include "tests/cli/run_cli.hpp"

namespace tomaro::testing {
namespace {

constexpr std::string_view kVersionMark = "@VERSION@";

struct Transcript {
    std::string where;  // file and line of the "$" line, for the failure message
    std::vector<std::string> args;
    std::string input;
    std::string expected_out;
    int expected_status = -1;
};

void read_transcripts(const std::filesystem::path& path, std::vector<Transcript>& entries) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot open " + path.string());
    const std::string name = path.filename().string();
    std::string line;
    int number = 0;
    bool inside = false;
    bool output_started = false;
    while (std::getline(file, line)) {
        ++number;
        if (!inside) {
            if (line.empty() || line.starts_with('#')) continue;
            if (!line.starts_with("$ ") && line != "$") {
                throw std::runtime_error(name + " line " + std::to_string(number) +
                                         ": expected '$ ...'");
            }
            entries.push_back({name + " line " + std::to_string(number),
                               SplitTokens(std::string_view(line).substr(1)),
                               {},
                               {},
                               -1});
            inside = true;
            output_started = false;
            continue;
        }
        Transcript& t = entries.back();
        if (!output_started && line.starts_with("< ")) {
            t.input += line.substr(2) + "\n";
        } else if (line.starts_with("? ")) {
            t.expected_status = std::stoi(line.substr(2));
            inside = false;
        } else {
            output_started = true;
            if (const auto at = line.find(kVersionMark); at != std::string::npos)
                line.replace(at, kVersionMark.size(), Version().version);
            t.expected_out += line + "\n";
        }
    }
    if (inside) throw std::runtime_error(name + ": the last entry has no '? STATUS' line");
}

std::vector<Transcript> read_all_transcripts() {
    std::vector<std::filesystem::path> files;
    for (const auto& file : std::filesystem::directory_iterator(TOMARO_TRANSCRIPTS)) {
        if (file.path().extension() == ".txt") files.push_back(file.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<Transcript> entries;
    for (const auto& file : files)
        read_transcripts(file, entries);
    return entries;
}

TEST(CliTranscripts, EveryEntryPrintsExactlyItsExpectedOutput) {
    const auto entries = read_all_transcripts();
    ASSERT_GT(entries.size(), 20u);
    for (const Transcript& t : entries) {
        SCOPED_TRACE(t.where);
        const CliRun run = run_cli(t.args, t.input);
        EXPECT_EQ(run.out, t.expected_out);
        EXPECT_EQ(run.status, t.expected_status) << "stderr: " << run.err;
        // A refusal says why on standard error; success says nothing there.
        EXPECT_EQ(run.err.empty(), t.expected_status == 0) << run.err;
    }
}

}  // namespace
}  // namespace tomaro::testing
