#include "data/WindowStatistics.h"

#include <cmath>

namespace {

// Sums of squared prices need more than 64 bits in the worst case.
__extension__ typedef __int128 Int128;

// A fixed-capacity double-ended queue of positions in the sequence of valid bars.
class PositionQueue {
public:
    explicit PositionQueue(size_t capacity) : slots_(capacity) {}
    bool empty() const { return size_ == 0; }
    std::int64_t front() const { return slots_[head_]; }
    std::int64_t back() const { return slots_[(head_ + size_ - 1) % slots_.size()]; }
    void popFront() {
        head_ = (head_ + 1) % slots_.size();
        --size_;
    }
    void popBack() { --size_; }
    void pushBack(std::int64_t v) {
        slots_[(head_ + size_) % slots_.size()] = v;
        ++size_;
    }

private:
    std::vector<std::int64_t> slots_;
    size_t head_ = 0;
    size_t size_ = 0;
};

} // namespace

void sweepBarStatistics(const THistoricalData& series, int N, TWindowStatisticsColumns& out) {
    const size_t n = series.items().size();
    for (auto* column : {&out.standardDeviation, &out.closeMinusMean, &out.closeMinusHighest, &out.closeMinusLowest}) {
        column->assign(n, missingValueF);
    }
    const auto capacity = static_cast<size_t>(N) + 1;
    std::vector<std::int32_t> closes(capacity); // ring of the valid closes, by position in the valid sequence
    std::vector<std::int32_t> highs(capacity);
    std::vector<std::int32_t> lows(capacity);
    PositionQueue maxQueue(capacity);
    PositionQueue minQueue(capacity);
    Int128 sum = 0;
    Int128 sumSquares = 0;
    std::int64_t valid = 0; // bars with prices so far
    const long double count = N;

    for (size_t j = 0; j < n; ++j) {
        const THistoricalRecord& bar = series.items()[j];
        if (isMissing(bar.high)) {
            continue; // passed over, and it stretches the window back
        }
        const std::int64_t pos = valid++;
        const size_t slot = static_cast<size_t>(pos % static_cast<std::int64_t>(capacity));
        closes[slot] = bar.close;
        highs[slot] = bar.high;
        lows[slot] = bar.low;
        sum += bar.close;
        sumSquares += static_cast<Int128>(bar.close) * bar.close;
        if (pos >= N) {
            const size_t leaving = static_cast<size_t>((pos - N) % static_cast<std::int64_t>(capacity));
            sum -= closes[leaving];
            sumSquares -= static_cast<Int128>(closes[leaving]) * closes[leaving];
        }
        while (!maxQueue.empty() &&
               highs[static_cast<size_t>(maxQueue.back() % static_cast<std::int64_t>(capacity))] <= bar.high) {
            maxQueue.popBack();
        }
        maxQueue.pushBack(pos);
        while (!minQueue.empty() &&
               lows[static_cast<size_t>(minQueue.back() % static_cast<std::int64_t>(capacity))] >= bar.low) {
            minQueue.popBack();
        }
        minQueue.pushBack(pos);
        while (maxQueue.front() <= pos - N) {
            maxQueue.popFront();
        }
        while (minQueue.front() <= pos - N) {
            minQueue.popFront();
        }
        if (pos + 1 < N || isMissing(bar.open)) {
            continue; // too near the start of the series, or a bar without an open
        }
        const std::int32_t highest = highs[static_cast<size_t>(maxQueue.front() % static_cast<std::int64_t>(capacity))];
        const std::int32_t lowest = lows[static_cast<size_t>(minQueue.front() % static_cast<std::int64_t>(capacity))];
        const long double mean = static_cast<long double>(sum) / count;
        // Σ(c − mean)² = (N·Σc² − (Σc)²) / N, exact in integers.
        const Int128 spread = static_cast<Int128>(N) * sumSquares - sum * sum;
        const long double variance = static_cast<long double>(spread) / (count * (count - 1));
        const float close = static_cast<float>(bar.close);
        out.standardDeviation[j] = static_cast<float>(std::sqrt(variance));
        out.closeMinusMean[j] = subSingle(close, static_cast<float>(mean));
        out.closeMinusHighest[j] = subSingleInt(close, highest);
        out.closeMinusLowest[j] = subSingleInt(close, lowest);
    }
}
