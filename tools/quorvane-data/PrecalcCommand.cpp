#include "quorvane-data/PrecalcCommand.h"

#include "data/Precalculation.h"
#include "domain/Folders.h"
#include "quorvane-data/Arguments.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace {

// A one-line progress bar on a terminal; plain lines when the output is not a terminal.
class TerminalProgress {
public:
    TerminalProgress() : terminal_(::isatty(STDOUT_FILENO) != 0) {}

    void status(const std::string& text) {
        status_ = text;
        if (!terminal_) {
            std::printf("%s\n", text.c_str());
            std::fflush(stdout);
        }
        draw();
    }
    void progress(double value) {
        value_ = std::clamp(value, 0.0, 100.0);
        draw();
    }
    void done() {
        if (terminal_) {
            std::printf("\n");
        }
    }

private:
    void draw() {
        if (!terminal_) {
            return;
        }
        constexpr int width = 30;
        const int filled = static_cast<int>(value_ / 100 * width + 0.5);
        std::printf("\r[%s%s] %3.0f%%  %s\033[K", std::string(static_cast<size_t>(filled), '#').c_str(),
                    std::string(static_cast<size_t>(width - filled), '.').c_str(), value_, status_.c_str());
        std::fflush(stdout);
    }

    bool terminal_;
    std::string status_;
    double value_ = 0;
};

} // namespace

int runPrecalc(const std::vector<std::string>& words) {
    const Arguments args(words, {"--program-dir"}, {"--help", "--all", "--force"});
    if (handleCommonOptions(args,
                            "usage: quorvane-data precalc [PAIR...] [--all] [--force] [--program-dir DIR]\n"
                            "Pre-calculates pairs as the program's window does: the bar files of the six time\n"
                            "steps and the 282 value lists of each pair, then its marker. Pairs that have their\n"
                            "marker are skipped unless --force. Name the pairs, or give --all for every pair.\n")) {
        return 0;
    }
    std::vector<TPair> pairs;
    for (const std::string& name : args.positional()) {
        pairs.push_back(pairNamed(name));
    }
    if (pairs.empty() == !args.has("--all")) {
        throw UsageError("name the pairs or give --all");
    }
    createDataFolders();
    const bool enoughSpace =
        args.has("--all") || pairs.size() > 1 ? hasDiskSpaceForAllPairs() : hasDiskSpaceForUsdJpy();
    if (!enoughSpace) {
        std::cerr << "quorvane-data precalc: too little free space for the results in " << getDataFolder() << " ("
                  << (args.has("--all") || pairs.size() > 1 ? "20 GiB" : "1 GiB") << " needed)\n";
        return 1;
    }
    TerminalProgress terminal;
    TPrecalculation engine(
        {[&](const std::string& s) { terminal.status(s); }, [&](double v) { terminal.progress(v); }});
    const auto start = std::chrono::steady_clock::now();
    try {
        engine.runAllPairs(pairs, args.has("--force"));
    } catch (...) {
        terminal.done();
        throw;
    }
    terminal.progress(100);
    terminal.done();
    std::printf("Done in %.1f s.\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
