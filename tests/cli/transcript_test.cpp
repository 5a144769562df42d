// Plays every entry of transcripts.txt through the built tomaro-cli and compares what it
// prints, byte for byte, and how it exits.
#include <gtest/gtest.h>

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
    int line = 0;  // of the "$" line, for the failure message
    std::vector<std::string> args;
    std::string input;
    std::string expected_out;
    int expected_status = -1;
};

std::vector<Transcript> read_transcripts(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot open " + path);
    std::vector<Transcript> entries;
    std::string line;
    int number = 0;
    bool inside = false;
    bool output_started = false;
    while (std::getline(file, line)) {
        ++number;
        if (!inside) {
            if (line.empty() || line.starts_with('#')) continue;
            if (!line.starts_with("$ ") && line != "$") {
                throw std::runtime_error("line " + std::to_string(number) + ": expected '$ ...'");
            }
            entries.push_back({number, SplitTokens(std::string_view(line).substr(1)), {}, {}, -1});
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
    if (inside) throw std::runtime_error("the last entry has no '? STATUS' line");
    return entries;
}

TEST(CliTranscripts, EveryEntryPrintsExactlyItsExpectedOutput) {
    const auto entries = read_transcripts(TOMARO_TRANSCRIPTS);
    ASSERT_GT(entries.size(), 20u);
    for (const Transcript& t : entries) {
        SCOPED_TRACE("transcripts.txt line " + std::to_string(t.line));
        const CliRun run = run_cli(t.args, t.input);
        EXPECT_EQ(run.out, t.expected_out);
        EXPECT_EQ(run.status, t.expected_status) << "stderr: " << run.err;
        // A refusal says why on standard error; success says nothing there.
        EXPECT_EQ(run.err.empty(), t.expected_status == 0) << run.err;
    }
}

}  // namespace
}  // namespace tomaro::testing
