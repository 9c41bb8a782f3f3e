#pragma once
// The pre-calculation: a pair's installed one-minute history is laid onto the grid of 2007–2010,
// aggregated into the six selectable time steps and turned into its 282 value lists; a marker written
// last says the pair is complete. Status texts and progress reach the caller through callbacks, so the
// window and the command-line tool share this engine.
#include "data/BackgroundWriter.h"
#include "data/HistoricalData.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct TPrecalculationProgress {
    std::function<void(const std::string& status)> setStatus;
    std::function<void(double progress)> setProgress;
};

// A failure while computing a pair; the message names the pair and the file.
class PrecalculationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPrecalculation {
public:
    // The grid runs from 2007-01-01 up to 2011-01-01; tests narrow it to keep their files small.
    explicit TPrecalculation(TPrecalculationProgress progress = {}, std::int32_t gridStart = 3682080,
                             std::int32_t gridEnd = 5785920);

    // The all-pairs run over `pairs` (every pair when empty) in serial order. A pair with a marker is
    // skipped without a word, unless `force`. Throws PrecalculationError; pairs done before keep their
    // markers.
    void runAllPairs(const std::vector<TPair>& pairs = {}, bool force = false);
    // The first-start run: USDJPY alone, unless it has its marker.
    void runUsdJpyOnly();

    // The three steps of one pair.
    void expandPair(TPair pair);
    void generateValueLists(TPair pair);
    // Waits until every file of the pair is on disk, then writes the marker.
    void writeFinishedMarker(TPair pair);

private:
    void status(const std::string& text);
    void progress(double value);
    void computePair(TPair pair, double expandProgress, double listProgress);

    TPrecalculationProgress callbacks_;
    std::int32_t gridStart_;
    std::int32_t gridEnd_;
    TBackgroundWriter writer_;
    // The series of the last expanded pair, by selectable step, kept for its value lists.
    std::optional<TPair> cachedPair_;
    std::array<THistoricalData, TQuorvaneTimeStep::count> cachedSeries_;
};

// The 47 value lists of one pair and time step, in file order, queued on `writer`.
void buildValueLists(const THistoricalData& series, const THistoricalData& daySeries, TBackgroundWriter& writer);

std::string getFinishedMarkerFileName(TPair pair);
bool getIsAllPairsFinished();
// Free space on the file system of the data folder, in whole MiB, above 20480 (all pairs) or 1024
// (USDJPY). An unreadable file system counts as no space.
bool hasDiskSpaceForAllPairs();
bool hasDiskSpaceForUsdJpy();
