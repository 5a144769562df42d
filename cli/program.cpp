#include "cli/program.hpp"

#include <cstdio>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/hosted_calculator.hpp"
#include "cli/json_output.hpp"
#include "cli/key_stream.hpp"
#include "cli/key_tokens.hpp"
#include "cli/options.hpp"
#include "cli/text_picture.hpp"

namespace {

using namespace tomaro;

constexpr int kBadUsage = 2;
constexpr int kWriteFailed = 1;
constexpr std::size_t kFlushSize = std::size_t{1} << 20;  // a trace can run to many megabytes

int refuse(std::string_view message) {
    std::fprintf(stderr, "tomaro-cli: %.*s\nTry 'tomaro-cli --help' for more information.\n",
                 static_cast<int>(message.size()), message.data());
    return kBadUsage;
}

bool write(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

class Printer {
public:
    explicit Printer(const CliOptions& o) : json_(o.json) { out_.reserve(kFlushSize + 4096); }

    // key is null for the start state.
    void Print(const Key* key, const HostedCalculator& calc) {
        if (json_) {
            AppendJsonState(out_, key, calc.state(), calc.model(), calc.display(),
                            calc.clipboard());
        } else {
            AppendTextPicture(out_, calc.state(), calc.model());
        }
        if (out_.size() >= kFlushSize) Flush();
    }

    void Heading(const Key* key) {
        if (key == nullptr) {
            out_ += "-- start\n";
        } else {
            out_ += "-- key: ";
            out_ += key->text;
            out_ += '\n';
        }
    }

    bool Flush() {
        ok_ = ok_ && write(out_);
        out_.clear();
        return ok_;
    }

private:
    bool json_;
    bool ok_ = true;
    std::string out_;
};

int play(const CliOptions& o, KeyStream& stream) {
    Printer printer(o);
    std::optional<std::string> stopped;
    RunCalculator(
        o.geometry,
        [&](HostedCalculator& calc) {
            const auto show = [&](const Key* key) {
                if (!o.json) printer.Heading(key);
                printer.Print(key, calc);
            };
            if (o.trace) show(nullptr);
            bool any = false;
            stopped = stream.ForEachKey([&](const Key& key) {
                calc.Play(key);
                any = true;
                if (o.trace) show(&key);
            });
            if (!o.trace && !stopped) printer.Print(any ? &stream.last_key() : nullptr, calc);
        },
        o.clipboard.value_or(""));
    const bool written = printer.Flush() && std::fflush(stdout) == 0;
    if (stopped) return refuse(*stopped);
    if (!written) {
        std::fputs("tomaro-cli: cannot write to standard output\n", stderr);
        return kWriteFailed;
    }
    return 0;
}

int run(std::span<const std::string_view> args) {
    auto parsed = ParseOptions(args);
    if (const auto* e = std::get_if<OptionError>(&parsed)) return refuse(e->message);
    CliOptions& o = std::get<CliOptions>(parsed);
    if (o.action != CliOptions::Action::Play) {
        const bool ok = write(o.action == CliOptions::Action::Help ? HelpText() : VersionText());
        return ok && std::fflush(stdout) == 0 ? 0 : kWriteFailed;
    }
    // Every token is checked before the first key plays.
    auto opened = KeyStream::Open(o.keys_from, o.tokens);
    if (const auto* e = std::get_if<std::string>(&opened)) return refuse(*e);
    return play(o, std::get<KeyStream>(opened));
}

}  // namespace

namespace tomaro {

int RunCli(std::span<const std::string_view> args) {
    // Memory running out is told like any other refusal, never an abort.
    try {
        return run(args);
    } catch (const std::bad_alloc&) {
        return refuse("out of memory");
    }
}

}  // namespace tomaro
