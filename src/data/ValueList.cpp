#include "data/ValueList.h"

#include "domain/Folders.h"
#include "platform/FileIo.h"

#include <cmath>
#include <cstring>

namespace {

std::int32_t headerInt(float v) {
    return static_cast<std::int32_t>(std::lround(v));
}

struct Header {
    TTimeStep timeStep;
    std::int32_t firstTime = 0;
    std::int32_t lastTime = 0;
    std::int64_t count = 0;
};

Header readHeader(const ReadOnlyFile& file, TValueList& list) {
    const std::string& name = file.name();
    if (file.size() < static_cast<std::uint64_t>(vll::headerSize)) {
        throw FileError("\"" + name + "\" is shorter than a value list header (" + std::to_string(file.size()) +
                        " bytes)");
    }
    if ((file.size() - vll::headerSize) % vll::valueSize != 0) {
        throw FileError("\"" + name + "\" ends in a partial value");
    }
    float raw[6];
    file.readAt(0, raw, sizeof raw);
    for (float v : raw) {
        if (!std::isfinite(v) || std::fabs(v) > 1e9f) {
            throw FileError("\"" + name + "\" has a garbled header");
        }
    }
    Header h;
    const std::int32_t pair = headerInt(raw[0]);
    const std::int32_t step = headerInt(raw[1]);
    if (pair < 0 || pair >= TPair::count || step < 0 || step >= TTimeStep::count) {
        throw FileError("\"" + name + "\" names a pair or time step that is not in the table");
    }
    list.pair = TPair(pair);
    list.timeStep = TTimeStep(step);
    list.calcValueType = TCalcValueType(headerInt(raw[2]));
    list.calcPeriod = TCalcPeriod(headerInt(raw[3]));
    h.timeStep = list.timeStep;
    h.firstTime = headerInt(raw[4]);
    h.lastTime = headerInt(raw[5]);
    h.count = static_cast<std::int64_t>((file.size() - vll::headerSize) / vll::valueSize);
    const bool consistent =
        h.count == 0 || static_cast<std::int64_t>(h.lastTime) ==
                            h.firstTime + (h.count - 1) * static_cast<std::int64_t>(h.timeStep.getMinute());
    if (!consistent) {
        throw FileError("\"" + name + "\": the first and last times of the header do not match its " +
                        std::to_string(h.count) + " values");
    }
    return h;
}

} // namespace

std::string getValueListFileName(TPair pair, TTimeStep timeStep, TCalcValueType kind, TCalcPeriod period) {
    std::string name =
        getValueListFolder() + pair.getSerialString() + "_" + timeStep.getSerialString() + "_" + kind.getSerialString();
    if (kind.getPeriodGroup() != 0) {
        name += "_" + period.getSerialString();
    }
    return name + ".vll";
}

std::vector<char> encodeValueList(TPair pair, TTimeStep timeStep, TCalcValueType kind, TCalcPeriod period,
                                  std::int32_t firstTime, std::int32_t lastTime, const float* values, size_t count) {
    std::vector<char> bytes(static_cast<size_t>(vll::headerSize) + count * sizeof(float), 0);
    auto* data = reinterpret_cast<float*>(bytes.data());
    data[0] = static_cast<float>(pair.getSerial());
    data[1] = static_cast<float>(timeStep.getSerial());
    data[2] = static_cast<float>(kind.getSerial());
    data[3] = static_cast<float>(period.getSerial());
    data[4] = static_cast<float>(firstTime);
    data[5] = static_cast<float>(lastTime);
    if (count > 0) {
        std::memcpy(data + vll::headerValues, values, count * sizeof(float));
    }
    return bytes;
}

void TValueList::save() const {
    std::vector<float> values(items_.size());
    for (size_t i = 0; i < items_.size(); ++i) {
        values[i] = items_[i].value;
    }
    const std::vector<char> bytes =
        encodeValueList(pair, timeStep, calcValueType, calcPeriod, firstTime, lastTime, values.data(), values.size());
    writeWholeFile(getFileName(), std::string_view(bytes.data(), bytes.size()));
}

void TValueList::loadFromFile(const std::string& fileName, std::int32_t start, std::int32_t end) {
    clear();
    ReadOnlyFile file(fileName);
    const Header h = readHeader(file, *this);
    const std::int32_t i0 = timeToIndex(start, timeStep, h.firstTime);
    const std::int32_t i1 = timeToIndex(end, timeStep, h.firstTime) - 1;
    if (i1 >= i0) {
        const std::int64_t r0 = std::max<std::int64_t>(i0, 0);
        const std::int64_t r1 = std::min<std::int64_t>(i1, h.count - 1);
        std::vector<float> stored;
        if (r1 >= r0) {
            stored.resize(static_cast<size_t>(r1 - r0 + 1));
            file.readAt(vll::headerSize + r0 * vll::valueSize, stored.data(), stored.size() * sizeof(float));
        }
        items_.reserve(static_cast<size_t>(i1 - i0 + 1));
        for (std::int32_t i = i0; i <= i1; ++i) {
            const std::int32_t t = indexToTime(i, timeStep, h.firstTime);
            const bool outside = h.count == 0 || t < h.firstTime || t > h.lastTime;
            items_.push_back({outside ? missingValueF : stored[static_cast<size_t>(i - r0)], t});
        }
    }
    firstTime = items_.empty() ? 0 : items_.front().time;
    lastTime = items_.empty() ? 0 : items_.back().time;
}

void TValueList::loadLine(TPair p, TTimeStep s, TLineType lineType, TCalcPeriod period, std::int32_t time,
                          std::int32_t count) {
    const std::int32_t start = alignTime(time, s);
    const std::int32_t end = start + count * s.getMinute();
    loadFromFile(getValueListFileName(p, s, TCalcValueType(TCalcValueType::close), period), start, end);
    if (lineType == 0) {
        return;
    }
    auto loadKind = [&](int kind) {
        TValueList list;
        list.loadFromFile(getValueListFileName(p, s, TCalcValueType(kind), period), start, end);
        return list;
    };
    static constexpr int differenceKind[] = {0, TCalcValueType::closeMinusMean, TCalcValueType::closeMinusMin,
                                             TCalcValueType::closeMinusMax};
    const TValueList a = loadKind(lineType <= 3 ? differenceKind[lineType] : TCalcValueType::closeMinusMean);
    TValueList b;
    float k = 0;
    if (lineType >= 4) {
        b = loadKind(TCalcValueType::standardDeviation);
        k = static_cast<float>(lineType <= 6 ? lineType - 3 : -(lineType - 6));
    }
    for (int i = 0; i < getCount(); ++i) {
        const float c = items_[static_cast<size_t>(i)].value;
        const float mid = subSingle(c, a.getItem(i).value);
        if (lineType < 4) {
            items_[static_cast<size_t>(i)].value = mid;
            continue;
        }
        // A missing width times a negative k would no longer look missing: test it before scaling.
        const float width = b.getItem(i).value;
        items_[static_cast<size_t>(i)].value = hasValueF(width) ? addSingle(width * k, mid) : missingValueF;
    }
}

void TValueList::getMinMax(float& outMin, float& outMax, int fromIndex, int toIndex) const {
    float largest = -10000000.0f;
    float smallest = 10000000.0f;
    for (int i = std::max(fromIndex, 0); i <= toIndex && i < getCount(); ++i) {
        const float v = getItem(i).value;
        if (!hasValueF(v)) {
            continue;
        }
        if (v > largest) {
            largest = v;
        }
        if (v < smallest) {
            smallest = v;
        }
    }
    outMax = largest == -10000000.0f ? missingValueF : largest;
    outMin = smallest == 10000000.0f ? missingValueF : smallest;
}
