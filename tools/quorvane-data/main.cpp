// quorvane-data: the program's data from a terminal — demo history, import of real history,
// conversion rates and inspection of the pre-calculated files.
#include "domain/Messages.h"
#include "platform/FileIo.h"
#include "quorvane-data/Arguments.h"
#include "quorvane-data/DataCommands.h"
#include "quorvane-data/PrecalcCommand.h"
#include "quorvane-data/ScoreCommands.h"

#include <cstdio>
#include <functional>
#include <iostream>
#include <map>

namespace {
const char* usage = "usage: quorvane-data COMMAND [options]\n"
                    "\n"
                    "commands:\n"
                    "  demo      write the demo history of all 16 pairs and its conversion rates\n"
                    "  import    turn real one-minute history into a pair's source history\n"
                    "  rates     rebuild etc/conversionrate.txt from the yen-cross histories\n"
                    "  inspect   print bars or indicator values of the pre-calculated files\n"
                    "  precalc   pre-calculate pairs (bar files and value lists) without the window\n"
                    "  scores    print the totals of a score history\n"
                    "\n"
                    "Every command takes --program-dir DIR (default: the folder of this tool) and --help.\n";
}

int main(int argc, char* argv[]) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        std::cout << usage;
        return words.empty() ? 2 : 0;
    }
    setMessageSink([](MessageKind, const std::string& text) { std::cerr << text << '\n'; });
    const std::map<std::string, std::function<int(const std::vector<std::string>&)>> commands = {
        {"demo", runDemo},       {"import", runImport},   {"rates", runRates},
        {"inspect", runInspect}, {"precalc", runPrecalc}, {"scores", runScores}};
    auto command = commands.find(words[0]);
    if (command == commands.end()) {
        std::cerr << "quorvane-data: unknown command '" << words[0] << "'\n" << usage;
        return 2;
    }
    try {
        return command->second(std::vector<std::string>(words.begin() + 1, words.end()));
    } catch (const UsageError& e) {
        std::cerr << "quorvane-data " << words[0] << ": " << e.what() << " (see --help)\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "quorvane-data " << words[0] << ": " << e.what() << '\n';
        return 1;
    }
}
