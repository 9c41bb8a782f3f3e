#include "BenchSupport.h"

#include "domain/DateTime.h"
#include "domain/Folders.h"

#include <cstdlib>
#include <filesystem>
#include <random>

THistoricalData makeMinuteSeries() {
    THistoricalData s;
    s.pair = TPair(3);
    s.timeStep = TTimeStep(0);
    s.expand(stamp2007, stamp2011);
    std::mt19937 rng(7);
    std::normal_distribution<double> step(0.0, 6.0);
    std::uniform_int_distribution<int> spread(1, 12);
    double price = 119000;
    for (THistoricalRecord& r : s.items()) {
        const int dow = dayOfWeekOfStamp(r.time);
        const int hour = r.time / 60 % 24;
        if ((dow == 7 && hour >= 7) || dow == 1 || (dow == 2 && hour < 7) || rng() % 50 == 0) {
            continue;
        }
        const auto open = static_cast<std::int32_t>(price);
        price += step(rng);
        const auto close = static_cast<std::int32_t>(price);
        r.open = open;
        r.close = close;
        r.high = std::max(open, close) + spread(rng);
        r.low = std::min(open, close) - spread(rng);
    }
    return s;
}

BenchData::BenchData() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-bench-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data());
    ::setenv("XDG_DATA_HOME", root_.c_str(), 1);
    createDataFolders();
    series_ = makeMinuteSeries();
    for (int q = 0; q < TQuorvaneTimeStep::count; ++q) {
        THistoricalData converted;
        series_.convertTo(converted, stamp2007, TQuorvaneTimeStep(q).getTimeStep());
        converted.save();
    }
}

BenchData::~BenchData() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}
