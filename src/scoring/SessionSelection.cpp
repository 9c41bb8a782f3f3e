#include "scoring/SessionSelection.h"

#include "data/HistoricalData.h"
#include "domain/DateTime.h"
#include "domain/Helpers.h"

bool isFilledEnough(std::int32_t withClose, std::int32_t bars) {
    const float share = static_cast<float>(withClose) / static_cast<float>(bars);
    return static_cast<long double>(share) >= 0.6L;
}

TSessionRecord TSessionSelector::chooseSession(std::int32_t sessionNumber) const {
    const std::int32_t rangeStart = dateTimeToMinute(encodeDateTime(2007, 1, 1));
    const std::int32_t rangeEnd = dateTimeToMinute(encodeDateTime(2011, 1, 1));
    const std::int32_t barsAhead = getBarsAhead(sessionNumber);
    const std::int32_t count = barsAhead + questionBars;
    const std::int32_t minutes = timeStep.getMinute();
    const int last = questionBars - 1;

    THistoricalData series;
    int attemptsLeft = attemptBudget;
    int redraws = 0;
    for (;;) {
        series.clear();
        const std::int32_t t = randomRange(rangeStart, rangeEnd);
        const std::int32_t start = t - ((t - rangeStart) % minutes);
        series.loadWindow(pair, timeStep, start, count);

        const std::int32_t c0 = series.getItem(0).close;
        const std::int32_t c19 = series.getItem(last).close;
        const std::int32_t cEnd = series.getItem(last + barsAhead).close;
        if (isMissing(c0) || isMissing(c19) || isMissing(cEnd)) {
            if (++redraws >= maxRedrawsInARow) {
                throw SessionSelectionError(pair.getToString() + " " + timeStep.getToString() +
                                            ": 問題にできる区間が見つかりません (" + std::to_string(maxRedrawsInARow) +
                                            " 回引き直しました)");
            }
            continue;
        }
        redraws = 0;
        std::int32_t shown = 0;
        std::int32_t ahead = 0;
        for (int k = 0; k < count; ++k) {
            if (hasValue(series.getItem(k).close)) {
                (k <= last ? shown : ahead) += 1;
            }
        }
        const bool good = isFilledEnough(shown, questionBars) && isFilledEnough(ahead, barsAhead) && c19 != cEnd;
        if (good || --attemptsLeft == 0) {
            break;
        }
    }

    TSessionRecord session;
    session.pair = pair;
    session.timeStep = timeStep;
    session.entryPrice = series.getItem(last).close;
    session.entryTime = series.getItem(last).time;
    session.exitPrice = series.getItem(last + barsAhead).close;
    session.exitTime = series.getItem(last + barsAhead).time;
    session.answer = TPosition(TPosition::Undefined);
    session.sessionNumber = sessionNumber;
    session.chartStartTime = series.getItem(0).time;
    return session;
}
