#pragma once
// Turns real one-minute history from common export formats into a source bar file of a pair.
#include "data/HistoricalData.h"

#include <cstdint>
#include <string>
#include <vector>

enum class ImportFormat { Auto, HistData, MetaTrader, Dukascopy, Generic };

// "histdata", "metatrader", "dukascopy", "generic" or "auto"; false for any other name.
bool parseImportFormat(const std::string& name, ImportFormat& format);
std::string importFormatName(ImportFormat format);
// The format of a file, judged from its first lines; Auto when none fits.
ImportFormat detectImportFormat(const std::vector<std::string>& lines);

struct TImportBar {
    std::int32_t time = 0;
    double open = 0, high = 0, low = 0, close = 0;
};

// Parses one data line. Returns false with a reason for a line that is not a valid bar; a header line
// gives false with an empty reason.
bool parseImportLine(ImportFormat format, const std::string& line, TImportBar& bar, std::string& reason);

class THistoryImport {
public:
    // Prices become points of `pointSize` (nearest); times move by `shiftHours` into the program's time.
    THistoryImport(TPair pair, double pointSize, int shiftHours);

    // Reads one file (later files win for a minute given twice). Throws FileError when it cannot be read
    // or its format cannot be told.
    void addFile(const std::string& fileName, ImportFormat format = ImportFormat::Auto);

    long getRowsRead() const { return rowsRead_; }
    long getRowsRejected() const { return rowsRejected_; }
    // The first few rejected rows, as "file:line: reason".
    const std::vector<std::string>& getProblems() const { return problems_; }

    // The merged one-minute series on its grid from the first to the last bar. Throws FileError when no
    // valid row was read.
    THistoricalData build() const;
    // Share of the weekday minutes (Monday to Friday) between the first and last bar that have a bar.
    static double weekdayCoverage(const THistoricalData& series);

private:
    struct Row {
        std::int32_t time;
        std::int64_t order;
        std::int32_t open, high, low, close;
    };
    TPair pair_;
    double pointSize_;
    int shiftMinutes_;
    std::vector<Row> rows_;
    long rowsRead_ = 0;
    long rowsRejected_ = 0;
    std::vector<std::string> problems_;
};
