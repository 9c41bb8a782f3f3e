#include "data/HistoricalData.h"

#include "domain/DateTime.h"
#include "domain/Folders.h"
#include "domain/Messages.h"
#include "platform/FileIo.h"

#include <bit>
#include <cmath>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the file formats are little-endian");

namespace {

struct Header {
    TPair pair;
    TTimeStep timeStep;
    std::int32_t firstTime = missingValue;
    std::int32_t lastTime = missingValue;
    std::uint8_t tag = 0;
    std::int64_t count = 0;
};

// Reads and checks the header against the file's length; the series takes its pair, step and tag.
Header readHeader(const ReadOnlyFile& file, THistoricalData& series) {
    const std::string& name = file.name();
    if (file.size() < static_cast<std::uint64_t>(hst::headerSize)) {
        throw FileError("\"" + name + "\" is shorter than a bar file header (" + std::to_string(file.size()) +
                        " bytes)");
    }
    if ((file.size() - hst::headerSize) % hst::recordSize != 0) {
        throw FileError("\"" + name + "\" ends in a partial bar record");
    }
    std::int32_t raw[5 * 4];
    file.readAt(0, raw, sizeof raw);
    Header h;
    if (raw[0] < 0 || raw[0] >= TPair::count) {
        throw FileError("\"" + name + "\" names pair " + std::to_string(raw[0]) + ", which is not in the table");
    }
    if (raw[4] < 0 || raw[4] >= TTimeStep::count) {
        throw FileError("\"" + name + "\" names time step " + std::to_string(raw[4]) + ", which is not in the table");
    }
    h.pair = TPair(raw[0]);
    h.timeStep = TTimeStep(raw[4]);
    h.firstTime = raw[8];
    h.lastTime = raw[12];
    h.tag = static_cast<std::uint8_t>(raw[16]);
    h.count = static_cast<std::int64_t>((file.size() - hst::headerSize) / hst::recordSize);
    bool consistent = h.count == 0
                          ? h.firstTime == missingValue && h.lastTime == missingValue
                          : h.firstTime != missingValue &&
                                static_cast<std::int64_t>(h.lastTime) ==
                                    h.firstTime + (h.count - 1) * static_cast<std::int64_t>(h.timeStep.getMinute());
    if (!consistent) {
        throw FileError("\"" + name + "\": the first and last bar times of the header do not match its " +
                        std::to_string(h.count) + " bars");
    }
    series.pair = h.pair;
    series.timeStep = h.timeStep;
    series.tag = h.tag;
    return h;
}

void unmaskInto(std::vector<THistoricalRecord>& out, const std::int32_t* raw, std::int64_t count,
                std::int32_t firstTime, std::int32_t minutes) {
    std::int32_t t = firstTime;
    for (std::int64_t i = 0; i < count; ++i, raw += 4, t += minutes) {
        THistoricalRecord& r = out.emplace_back();
        r.time = t;
        r.open = hst::unmask(raw[0], t, 0);
        r.high = hst::unmask(raw[1], t, 1);
        r.low = hst::unmask(raw[2], t, 2);
        r.close = hst::unmask(raw[3], t, 3);
    }
}

} // namespace

std::string getSourceFileName(TPair pair) {
    return getHistoricalDataFolder() + pair.getToString() + ".hst";
}

std::string getOhlcFileName(TPair pair, TTimeStep timeStep) {
    return getOhlcFolder() + pair.getToString() + "_" + timeStep.getToString() + ".hst";
}

void THistoricalData::assign(const THistoricalData& source) {
    items_ = source.items_;
    pair = source.pair;
    timeStep = source.timeStep;
    tag = source.tag;
}

void THistoricalData::loadFromFile(const std::string& fileName) {
    clear();
    ReadOnlyFile file(fileName);
    const Header h = readHeader(file, *this);
    std::vector<std::int32_t> raw(static_cast<size_t>(h.count) * 4);
    if (h.count > 0) {
        file.readAt(hst::headerSize, raw.data(), raw.size() * sizeof(std::int32_t));
    }
    items_.reserve(static_cast<size_t>(h.count));
    unmaskInto(items_, raw.data(), h.count, h.firstTime, timeStep.getMinute());
}

void THistoricalData::load(TPair p, TTimeStep s) {
    loadFromFile(getOhlcFileName(p, s));
}

void THistoricalData::loadWindowFromFile(const std::string& fileName, std::int32_t start, std::int32_t end) {
    clear();
    ReadOnlyFile file(fileName);
    const Header h = readHeader(file, *this);
    const std::int32_t minutes = timeStep.getMinute();
    if (h.count == 0) {
        // An empty file has no grid of its own: lay the window on the grid that starts at `start`.
        for (std::int32_t t = start; t < end; t += minutes) {
            items_.push_back({t, missingValue, missingValue, missingValue, missingValue});
        }
        return;
    }
    const std::int32_t i0 = timeToIndex(start, timeStep, h.firstTime);
    const std::int32_t i1 = timeToIndex(end, timeStep, h.firstTime) - 1;
    if (i1 < i0) {
        return;
    }
    items_.reserve(static_cast<size_t>(i1 - i0 + 1));
    // The stored part of the window is one contiguous run of records: read it at once.
    const std::int64_t r0 = std::max<std::int64_t>(i0, 0);
    const std::int64_t r1 = std::min<std::int64_t>(i1, h.count - 1);
    std::int32_t raw[4 * 256];
    std::vector<std::int32_t> large;
    std::int32_t* buffer = raw;
    if (r1 >= r0) {
        size_t values = static_cast<size_t>(r1 - r0 + 1) * 4;
        if (values > std::size(raw)) {
            large.resize(values);
            buffer = large.data();
        }
        file.readAt(hst::headerSize + r0 * hst::recordSize, buffer, values * sizeof(std::int32_t));
    }
    for (std::int32_t i = i0; i <= i1; ++i) {
        const std::int32_t t = indexToTime(i, timeStep, h.firstTime);
        if (t < h.firstTime || t > h.lastTime) {
            items_.push_back({t, missingValue, missingValue, missingValue, missingValue});
            continue;
        }
        const std::int32_t* rec = buffer + (i - r0) * 4;
        items_.push_back({t, hst::unmask(rec[2], t, 2), hst::unmask(rec[1], t, 1), hst::unmask(rec[0], t, 0),
                          hst::unmask(rec[3], t, 3)});
    }
}

void THistoricalData::loadWindow(TPair p, TTimeStep s, std::int32_t time, std::int32_t count) {
    const std::int32_t start = alignTime(time, s);
    const std::int32_t end = start + count * s.getMinute();
    loadWindowFromFile(getOhlcFileName(p, s), start, end);
}

std::vector<char> THistoricalData::toFileBytes() const {
    std::vector<char> bytes(static_cast<size_t>((hst::headerRecords + getCount()) * hst::recordSize), 0);
    auto* data = reinterpret_cast<std::int32_t*>(bytes.data());
    data[0] = pair.getSerial();
    data[4] = timeStep.getSerial();
    data[8] = getFirstTime();
    data[12] = getLastTime();
    for (int r = 4; r < hst::headerRecords; ++r) {
        data[static_cast<size_t>(r) * 4] = tag;
    }
    std::int32_t* out = data + hst::headerRecords * 4;
    for (const THistoricalRecord& r : items_) {
        out[0] = hst::mask(r.open, r.time, 0);
        out[1] = hst::mask(r.high, r.time, 1);
        out[2] = hst::mask(r.low, r.time, 2);
        out[3] = hst::mask(r.close, r.time, 3);
        out += 4;
    }
    return bytes;
}

void THistoricalData::saveToFile(const std::string& fileName) const {
    const std::vector<char> bytes = toFileBytes();
    AtomicFileWriter writer(fileName);
    writer.write(bytes.data(), bytes.size());
    writer.commit();
}

void THistoricalData::save() const {
    saveToFile(getOhlcFileName(pair, timeStep));
}

void THistoricalData::expand(std::int32_t start, std::int32_t end) {
    const std::int32_t n = std::max(0, timeToIndex(end, timeStep, start));
    std::vector<THistoricalRecord> grid(static_cast<size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        grid[static_cast<size_t>(i)].time = indexToTime(i, timeStep, start);
    }
    for (const THistoricalRecord& bar : items_) {
        const std::int32_t k = timeToIndex(bar.time, timeStep, start);
        if (k >= 0 && k < n) {
            grid[static_cast<size_t>(k)] = bar;
        }
    }
    items_ = std::move(grid);
}

void THistoricalData::convertTo(THistoricalData& dest, std::int32_t origin, TTimeStep targetStep,
                                std::int32_t end) const {
    dest.clear();
    if (timeStep.getSerial() > targetStep.getSerial()) {
        showMessage(MessageKind::Error, "より小さな timeScale に変換しようとしています");
        return;
    }
    dest.pair = pair;
    dest.timeStep = targetStep;
    dest.tag = tag;
    const std::int32_t n = std::max(0, timeToIndex(end, targetStep, origin));
    auto& out = dest.items_;
    out.resize(static_cast<size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) {
        out[static_cast<size_t>(i)].time = indexToTime(i, targetStep, origin);
    }
    std::int32_t prevSlot = -1;
    std::int32_t prevClose = missingValue;
    for (const THistoricalRecord& bar : items_) {
        if (!bar.getIsValid()) {
            continue;
        }
        const std::int32_t s = timeToIndex(bar.time, targetStep, origin);
        if (s < 0 || s >= n) {
            continue;
        }
        THistoricalRecord& target = out[static_cast<size_t>(s)];
        if (s != prevSlot) {
            target.open = bar.open;
            if (prevSlot >= 0) {
                out[static_cast<size_t>(prevSlot)].close = prevClose;
            }
        }
        if (isMissing(target.low) || target.low > bar.low) {
            target.low = bar.low;
        }
        if (isMissing(target.high) || target.high < bar.high) {
            target.high = bar.high;
        }
        prevSlot = s;
        prevClose = bar.close;
    }
    if (prevSlot >= 0) {
        out[static_cast<size_t>(prevSlot)].close = prevClose;
    }
    for (THistoricalRecord& r : out) {
        if (!r.getIsValid()) {
            r.open = r.high = r.low = r.close = missingValue;
        }
    }
}

void THistoricalData::getMinMax(std::int32_t& outLow, std::int32_t& outHigh, int fromIndex, int toIndex) const {
    std::int32_t highest = -10000000;
    std::int32_t lowest = 10000000;
    for (int i = std::max(fromIndex, 0); i <= toIndex && i < getCount(); ++i) {
        const THistoricalRecord& r = getItem(i);
        if (hasValue(r.high) && r.high > highest) {
            highest = r.high;
        }
        if (hasValue(r.low) && r.low < lowest) {
            lowest = r.low;
        }
    }
    outHigh = highest == -10000000 ? missingValue : highest;
    outLow = lowest == 10000000 ? missingValue : lowest;
}

TBarStatistics THistoricalData::calcBarStatistics(int n, int N) const {
    TBarStatistics result;
    if (n < 0 || n >= getCount() || N <= 0 || isMissing(getItem(n).open)) {
        return result;
    }
    std::vector<float> closes;
    closes.reserve(static_cast<size_t>(N));
    std::int32_t highest = -10000000;
    std::int32_t lowest = 10000000;
    for (int i = n; i >= 0 && static_cast<int>(closes.size()) < N; --i) {
        const THistoricalRecord& r = getItem(i);
        if (isMissing(r.high)) {
            continue;
        }
        closes.push_back(static_cast<float>(r.close));
        highest = std::max(highest, r.high);
        lowest = std::min(lowest, r.low);
    }
    if (static_cast<int>(closes.size()) < N) {
        return result;
    }
    long double sum = 0;
    for (float c : closes) {
        sum += c;
    }
    const long double mean = sum / N;
    long double squares = 0;
    for (float c : closes) {
        squares += (mean - c) * (mean - c);
    }
    const float close = static_cast<float>(getItem(n).close);
    result.lowest = lowest;
    result.highest = highest;
    result.mean = static_cast<float>(mean);
    result.standardDeviation = N > 1 ? static_cast<float>(std::sqrt(squares / (N - 1))) : 0.0f;
    result.closeMinusLowest = subSingleInt(close, lowest);
    result.closeMinusHighest = subSingleInt(close, highest);
    result.closeMinusMean = subSingle(close, result.mean);
    return result;
}

void THistoricalData::calcDayMinMax(int n, int D, std::int32_t& outLow, std::int32_t& outHigh) const {
    outLow = missingValue;
    outHigh = missingValue;
    if (n < 0 || n >= getCount() || isMissing(getItem(n).open)) {
        return;
    }
    std::int32_t highest = -10000000;
    std::int32_t lowest = 10000000;
    int counted = 0;
    for (int i = n - 1; i >= 0 && counted < D; --i) {
        const THistoricalRecord& r = getItem(i);
        if (isMissing(r.high)) {
            continue;
        }
        highest = std::max(highest, r.high);
        lowest = std::min(lowest, r.low);
        ++counted;
    }
    if (counted == D) {
        outLow = lowest;
        outHigh = highest;
    }
}
