#include "data/Precalculation.h"

#include "data/ValueList.h"
#include "data/WindowStatistics.h"
#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "platform/DiskSpace.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

bool hasFreeMebibytesAbove(std::uint64_t threshold) {
    const auto bytes = getFreeDiskBytes(getDataFolder());
    return bytes && *bytes / 1048576 > threshold;
}

void queueList(TBackgroundWriter& writer, const THistoricalData& series, int kind, int period,
               const std::vector<float>& values) {
    const TCalcValueType type(kind);
    const TCalcPeriod calcPeriod(type.getPeriodGroup() == 0 ? 0 : period);
    writer.write(getValueListFileName(series.pair, series.timeStep, type, calcPeriod),
                 encodeValueList(series.pair, series.timeStep, type, calcPeriod, series.getFirstTime(),
                                 series.getLastTime(), values.data(), values.size()));
}

float singleOf(std::int32_t v) {
    return isMissing(v) ? missingValueF : static_cast<float>(v);
}

// Temporary files of the pair that a killed run left behind.
void removeStaleTemporaries(TPair pair) {
    const std::string ohlcPrefix = pair.getToString() + "_";
    const std::string listPrefix = pair.getSerialString() + "_";
    for (const auto& [folder, prefix] :
         {std::pair{getOhlcFolder(), ohlcPrefix}, std::pair{getValueListFolder(), listPrefix}}) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind(prefix, 0) == 0 && isTemporaryFileName(name)) {
                std::filesystem::remove(entry.path(), ec);
            }
        }
    }
}

} // namespace

std::string getFinishedMarkerFileName(TPair pair) {
    return getOhlcFolder() + pair.getToString() + ".finished";
}

bool getIsAllPairsFinished() {
    int finished = 0;
    for (int p = 0; p < TPair::count; ++p) {
        finished += TPair(p).getIsFinished() ? 1 : 0;
    }
    return finished == TPair::count;
}

bool hasDiskSpaceForAllPairs() {
    return hasFreeMebibytesAbove(20480);
}
bool hasDiskSpaceForUsdJpy() {
    return hasFreeMebibytesAbove(1024);
}

void buildValueLists(const THistoricalData& series, const THistoricalData& daySeries, TBackgroundWriter& writer) {
    const auto& bars = series.items();
    const size_t n = bars.size();

    // Group 1: close, range and body.
    std::vector<float> close(n), range(n), body(n);
    for (size_t j = 0; j < n; ++j) {
        close[j] = singleOf(bars[j].close);
        range[j] = singleOf(bars[j].getRange());
        body[j] = singleOf(bars[j].getBody());
    }
    queueList(writer, series, TCalcValueType::close, 0, close);
    queueList(writer, series, TCalcValueType::range, 0, range);
    queueList(writer, series, TCalcValueType::body, 0, body);

    // Group 2: the window statistics of the six bar periods.
    TWindowStatisticsColumns columns;
    for (int q = 0; q < TCalcPeriod::barPeriodCount; ++q) {
        sweepBarStatistics(series, TCalcPeriod(q).getPeriodValue(), columns);
        queueList(writer, series, TCalcValueType::standardDeviation, q, columns.standardDeviation);
        queueList(writer, series, TCalcValueType::closeMinusMean, q, columns.closeMinusMean);
        queueList(writer, series, TCalcValueType::closeMinusMax, q, columns.closeMinusHighest);
        queueList(writer, series, TCalcValueType::closeMinusMin, q, columns.closeMinusLowest);
    }

    // Group 3: the extremes of the days before each bar's day, once per day.
    std::vector<float> toMax(n), toMin(n);
    for (int q = TCalcPeriod::barPeriodCount; q < TCalcPeriod::count; ++q) {
        const int days = TCalcPeriod(q).getPeriodValue();
        std::int32_t prevDay = -1;
        std::int32_t lowest = missingValue;
        std::int32_t highest = missingValue;
        for (size_t j = 0; j < n; ++j) {
            const std::int32_t day = dateStampOf(bars[j].time);
            if (day != prevDay) {
                const std::int32_t k =
                    daySeries.getCount() == 0 ? -1 : timeToIndex(day, daySeries.timeStep, daySeries.getFirstTime());
                daySeries.calcDayMinMax(k, days, lowest, highest);
                prevDay = day;
            }
            toMax[j] = singleOf(subInt(bars[j].close, highest));
            toMin[j] = singleOf(subInt(bars[j].close, lowest));
        }
        queueList(writer, series, TCalcValueType::closeMinusMax, q, toMax);
        queueList(writer, series, TCalcValueType::closeMinusMin, q, toMin);
    }
}

TPrecalculation::TPrecalculation(TPrecalculationProgress progress, std::int32_t gridStart, std::int32_t gridEnd)
    : callbacks_(std::move(progress)), gridStart_(gridStart), gridEnd_(gridEnd) {}

void TPrecalculation::status(const std::string& text) {
    if (callbacks_.setStatus) {
        callbacks_.setStatus(text);
    }
}

void TPrecalculation::progress(double value) {
    if (callbacks_.setProgress) {
        callbacks_.setProgress(value);
    }
}

void TPrecalculation::expandPair(TPair pair) {
    cachedPair_.reset();
    THistoricalData source;
    source.loadFromFile(getSourceFileName(pair));
    if (source.timeStep.getSerial() != TTimeStep::oneMinute) {
        throw FileError("\"" + getSourceFileName(pair) + "\" holds " + source.timeStep.getToString() +
                        " bars; a source history must hold one-minute bars");
    }
    source.expand(gridStart_, gridEnd_);
    // The expanded source would be saved as the one-minute file, which the first conversion rewrites with
    // the same bars; it is written once, by that conversion.
    for (int q = 0; q < TQuorvaneTimeStep::count; ++q) {
        THistoricalData& target = cachedSeries_[static_cast<size_t>(q)];
        source.convertTo(target, gridStart_, TQuorvaneTimeStep(q).getTimeStep(), gridEnd_);
        writer_.write(getOhlcFileName(target.pair, target.timeStep), target.toFileBytes());
    }
    cachedPair_ = pair;
}

void TPrecalculation::generateValueLists(TPair pair) {
    const bool cached = cachedPair_ && *cachedPair_ == pair;
    if (!cached) {
        writer_.finish(); // the ohlc files are read back
    }
    THistoricalData loaded;
    auto seriesOf = [&](int q) -> const THistoricalData& {
        if (cached) {
            return cachedSeries_[static_cast<size_t>(q)];
        }
        loaded.load(pair, TQuorvaneTimeStep(q).getTimeStep());
        return loaded;
    };
    THistoricalData loadedDays;
    if (!cached) {
        loadedDays.load(pair, TTimeStep(TTimeStep::oneDay));
    }
    const THistoricalData& daySeries = cached ? cachedSeries_[TQuorvaneTimeStep::count - 1] : loadedDays;
    for (int q = 0; q < TQuorvaneTimeStep::count; ++q) {
        buildValueLists(seriesOf(q), daySeries, writer_);
    }
    cachedPair_.reset();
    for (auto& series : cachedSeries_) {
        series.clear();
        series.items().shrink_to_fit();
    }
}

void TPrecalculation::writeFinishedMarker(TPair pair) {
    writer_.finish();
    writeWholeFile(getFinishedMarkerFileName(pair), formatDate(nowDateTime()) + "\r\n");
}

void TPrecalculation::computePair(TPair pair, double expandProgress, double listProgress) {
    const std::string name = pair.getToString();
    try {
        // An earlier marker must not outlive files that are being replaced.
        std::remove(getFinishedMarkerFileName(pair).c_str());
        removeStaleTemporaries(pair);
        status(name + " のデータを展開しています");
        progress(expandProgress);
        expandPair(pair);
        status(name + " の値リストを生成しています");
        progress(listProgress);
        generateValueLists(pair);
        writeFinishedMarker(pair);
    } catch (const std::exception& e) {
        try {
            writer_.finish();
        } catch (...) {
            // The first error is the one reported.
        }
        throw PrecalculationError(name + ": " + e.what());
    }
}

void TPrecalculation::runAllPairs(const std::vector<TPair>& pairs, bool force) {
    std::vector<int> serials;
    for (TPair p : pairs) {
        serials.push_back(p.getSerial());
    }
    if (serials.empty()) {
        for (int p = 0; p < TPair::count; ++p) {
            serials.push_back(p);
        }
    }
    std::sort(serials.begin(), serials.end());
    serials.erase(std::unique(serials.begin(), serials.end()), serials.end());
    for (int p : serials) {
        const TPair pair(p);
        if (!force && pair.getIsFinished()) {
            continue;
        }
        computePair(pair, p / 14.0 * 62, p / 14.0 * 92 + 8);
    }
}

void TPrecalculation::runUsdJpyOnly() {
    const TPair usdjpy(TPair::USDJPY);
    if (!usdjpy.getIsFinished()) {
        computePair(usdjpy, 30, 50);
    }
}
