#include "quorvane-data/DataCommands.h"

#include "data/ConversionTable.h"
#include "data/DemoHistory.h"
#include "data/HistoricalData.h"
#include "data/HistoryImport.h"
#include "data/PairList.h"
#include "data/ValueList.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "platform/FileIo.h"
#include "quorvane-data/Arguments.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {

const std::set<std::string> common = {"--program-dir"};

std::set<std::string> with(std::set<std::string> options) {
    options.insert(common.begin(), common.end());
    return options;
}

std::array<double, TPair::count> pointSizesOfProgram() {
    if (!fileExists(getPairInfoFileName())) {
        return defaultPointSizes();
    }
    TPairList list;
    auto sizes = defaultPointSizes();
    for (int p = 0; p < std::min(list.getCount(), TPair::count); ++p) {
        sizes[static_cast<size_t>(p)] = list.getItem(p).pointSize;
    }
    return sizes;
}

std::string stampText(std::int32_t stamp) {
    const CalendarTime t = decodeDateTime(minuteToDateTime(stamp));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
    return buffer;
}

std::int32_t parseStamp(const std::string& text) {
    int y, mo, d, h = 0, mi = 0;
    char tail;
    const int n = std::sscanf(text.c_str(), "%d-%d-%d %d:%d%c", &y, &mo, &d, &h, &mi, &tail);
    if ((n != 3 && n != 5) || !isValidDate(y, mo, d) || h < 0 || h > 23 || mi < 0 || mi > 59) {
        throw UsageError("'" + text + "' is not a time of the form \"YYYY-MM-DD HH:MM\"");
    }
    return dateTimeToMinute(encodeDateTime(y, mo, d, h, mi));
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void writeConversionRates() {
    TConversionRateBuilder builder;
    int found = 0;
    for (int cross : TConversionTable::crosses) {
        const std::string file = getSourceFileName(TPair(cross));
        if (!fileExists(file)) {
            continue;
        }
        THistoricalData history;
        history.loadFromFile(file);
        builder.addCross(TPair(cross), history);
        ++found;
    }
    if (found == 0) {
        throw FileError("no yen-cross history in \"" + getHistoricalDataFolder() + "\"");
    }
    writeWholeFile(getConversionRateFileName(), builder.toText());
}

} // namespace

int runDemo(const std::vector<std::string>& words) {
    const Arguments args(words, common, {"--help", "--if-missing"});
    if (handleCommonOptions(
            args, "usage: quorvane-data demo [--if-missing] [--program-dir DIR]\n"
                  "Writes historicaldata/PAIR.hst of all 16 pairs (a realistic, deterministic one-minute\n"
                  "history of 2007-2010) and etc/conversionrate.txt beside the program. With --if-missing it\n"
                  "does nothing when they are all present.\n")) {
        return 0;
    }
    if (args.has("--if-missing")) {
        bool complete = fileExists(getConversionRateFileName());
        for (int p = 0; p < TPair::count && complete; ++p) {
            complete = fileExists(getSourceFileName(TPair(p)));
        }
        if (complete) {
            return 0;
        }
    }
    std::filesystem::create_directories(getHistoricalDataFolder());
    std::filesystem::create_directories(getEtcFolder());
    const auto start = std::chrono::steady_clock::now();
    std::cout << "Writing the demo history of 16 pairs into " << getHistoricalDataFolder() << " ..." << std::endl;
    writeDemoHistory(getHistoricalDataFolder(), pointSizesOfProgram());
    writeConversionRates();
    std::printf("Done in %.1f s: 16 histories and %s\n", secondsSince(start), getConversionRateFileName().c_str());
    return 0;
}

int runImport(const std::vector<std::string>& words) {
    const Arguments args(words, with({"--pair", "--format", "--shift-hours"}), {"--help"});
    if (handleCommonOptions(
            args, "usage: quorvane-data import --pair PAIR [--format histdata|metatrader|dukascopy|generic]\n"
                  "                            [--shift-hours H] [--program-dir DIR] FILE...\n"
                  "Turns one-minute history into historicaldata/PAIR.hst. Several files merge in time order; for\n"
                  "a minute given twice the later file wins. --shift-hours moves the source's times into the\n"
                  "program's local time (Japan time). The format is detected when not given:\n"
                  "  histdata    20070102 090000;1.3201;1.3204;1.3199;1.3202;0\n"
                  "  metatrader  2007.01.02,09:00,1.3201,1.3204,1.3199,1.3202,12\n"
                  "  dukascopy   Gmt time,Open,High,Low,Close,Volume / 02.01.2007 09:00:00.000,1.32010,...\n"
                  "  generic     2007-01-02 09:00[:00],open,high,low,close[,volume] (header optional)\n")) {
        return 0;
    }
    if (!args.has("--pair") || args.positional().empty()) {
        throw UsageError("--pair and at least one FILE are needed");
    }
    const TPair pair = pairNamed(args.value("--pair"));
    ImportFormat format = ImportFormat::Auto;
    if (args.has("--format") && !parseImportFormat(args.value("--format"), format)) {
        throw UsageError("unknown format '" + args.value("--format") + "'");
    }
    if (!fileExists(getPairInfoFileName())) {
        throw FileError("\"" + getPairInfoFileName() + "\" is missing: the point sizes come from it");
    }
    TPairList pairs;
    THistoryImport import(pair, pairs.getItem(pair.getSerial()).pointSize, args.intValue("--shift-hours", 0));
    for (const std::string& file : args.positional()) {
        import.addFile(file, format);
    }
    for (const std::string& problem : import.getProblems()) {
        std::cerr << "rejected " << problem << '\n';
    }
    std::printf("rows read: %ld, rejected: %ld\n", import.getRowsRead(), import.getRowsRejected());
    const THistoricalData series = import.build();
    std::filesystem::create_directories(getHistoricalDataFolder());
    series.saveToFile(getSourceFileName(pair));
    std::printf("first bar: %s\nlast bar:  %s\nweekday minutes covered: %.1f %%\nwritten: %s\n",
                stampText(series.getFirstTime()).c_str(), stampText(series.getLastTime()).c_str(),
                100.0 * THistoryImport::weekdayCoverage(series), getSourceFileName(pair).c_str());
    return 0;
}

int runRates(const std::vector<std::string>& words) {
    const Arguments args(words, common, {"--help"});
    if (handleCommonOptions(args,
                            "usage: quorvane-data rates [--program-dir DIR]\n"
                            "Rebuilds etc/conversionrate.txt from the yen-cross histories present (each day's last\n"
                            "close; missing on a day without bars).\n")) {
        return 0;
    }
    writeConversionRates();
    std::cout << "written: " << getConversionRateFileName() << '\n';
    return 0;
}

int runInspect(const std::vector<std::string>& words) {
    const Arguments args(words, with({"--from", "--count"}), {"--help", "--points"});
    if (handleCommonOptions(
            args, "usage: quorvane-data inspect bars PAIR STEP --from \"YYYY-MM-DD HH:MM\" --count N [--points]\n"
                  "       quorvane-data inspect values FILE.vll --from \"YYYY-MM-DD HH:MM\" --count N\n"
                  "Prints CSV with a header line. STEP is one of 1m 5m 30m 1h 6h 1d. Bars are read from the\n"
                  "pre-calculated ohlc files; prices are formatted, or integer points with --points; a missing\n"
                  "bar or value prints empty fields.\n")) {
        return 0;
    }
    const auto& pos = args.positional();
    if (pos.empty() || !args.has("--from") || !args.has("--count")) {
        throw UsageError("what to inspect, --from and --count are needed");
    }
    const std::int32_t from = parseStamp(args.value("--from"));
    const int count = args.intValue("--count", 0);
    if (count <= 0) {
        throw UsageError("--count must be positive");
    }
    if (pos[0] == "bars") {
        if (pos.size() != 3) {
            throw UsageError("inspect bars needs PAIR and STEP");
        }
        const std::pair<const char*, int> steps[] = {{"1m", 0}, {"5m", 2}, {"30m", 4}, {"1h", 5}, {"6h", 7}, {"1d", 9}};
        int step = -1;
        for (const auto& [name, serial] : steps) {
            step = pos[2] == name ? serial : step;
        }
        if (step < 0) {
            throw UsageError("unknown step '" + pos[2] + "' (1m 5m 30m 1h 6h 1d)");
        }
        const TPair pair = pairNamed(pos[1]);
        std::unique_ptr<TPairList> pairs;
        if (!args.has("--points")) {
            pairs = std::make_unique<TPairList>(getPairInfoFileName());
            pairList = pairs.get();
        }
        THistoricalData bars;
        bars.loadWindow(pair, TTimeStep(step), from, count);
        std::cout << "time,open,high,low,close\n";
        for (const THistoricalRecord& r : bars.items()) {
            std::cout << stampText(r.time);
            for (std::int32_t v : {r.open, r.high, r.low, r.close}) {
                std::cout << ',';
                if (hasValue(v)) {
                    std::cout << (pairs ? getPriceString(pair, v) : std::to_string(v));
                }
            }
            std::cout << '\n';
        }
        pairList = nullptr;
        return 0;
    }
    if (pos[0] == "values") {
        if (pos.size() != 2) {
            throw UsageError("inspect values needs FILE.vll");
        }
        TValueList values;
        values.loadFromFile(pos[1], from, from + 1); // learns the time step from the header
        const std::int32_t start = alignTime(from, values.timeStep);
        values.loadFromFile(pos[1], start, start + count * values.timeStep.getMinute());
        std::cout << "time,value\n";
        for (int i = 0; i < values.getCount(); ++i) {
            const TValueRecord& v = values.getItem(i);
            std::cout << stampText(v.time) << ',';
            if (hasValueF(v.value)) {
                char buffer[32];
                std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(v.value));
                std::cout << buffer;
            }
            std::cout << '\n';
        }
        return 0;
    }
    throw UsageError("inspect bars or inspect values");
}
