#include "scoring/TestResult.h"

#include "domain/Missing.h"

#include <cmath>

float singleQuotient(long double numerator, long double denominator) {
    return static_cast<float>(numerator / denominator);
}

float ratingOf(float sum, float absSum) {
    if (isZeroF(absSum)) {
        return 0.0f;
    }
    return singleQuotient(static_cast<long double>(sum) + absSum, static_cast<long double>(absSum) * 2);
}

std::int32_t TTestResult::getAnsweredCount() const {
    for (int k = sessionCount; k >= 1; --k) {
        if (sessions[static_cast<size_t>(k - 1)].getIsAnswered()) {
            return k;
        }
    }
    return 0;
}

bool TTestResult::getIsInTables() const {
    if (!pair.getIsValid() || quorvaneTimeStepSerialOf(timeStep.getSerial()) < 0) {
        return false;
    }
    for (const TSessionRecord& s : sessions) {
        if (!s.getIsInTables()) {
            return false;
        }
    }
    return true;
}

void TTestResult::calculate() {
    const std::int32_t n = getAnsweredCount();
    netWinRate = 0, evenCount = 0, netProfitFactor = 0, netWinProfit = 0, lossCount = 0, winCount = 0;
    lossProfit = 0, winRate = 0, rating = 0, netTotalProfit = 0, profitFactor = 0, winProfit = 0;
    netEvenCount = 0, netLossCount = 0, netWinCount = 0, netLossProfit = 0, totalProfit = 0, totalAbsProfit = 0;
    barRatings = {};
    std::array<float, 4> groupSum{};
    std::array<float, 4> groupAbs{};
    for (std::int32_t k = 1; k <= n; ++k) {
        const TSessionRecord& s = sessions[static_cast<size_t>(k - 1)];
        const float p = s.getProfit();
        const float q = s.getNetProfit();
        totalProfit += p;
        if (s.getIsWin()) {
            ++winCount;
            winProfit += p;
        }
        if (s.getIsLoss()) {
            ++lossCount;
            lossProfit += p;
        }
        if (s.getIsEven()) {
            ++evenCount;
        }
        netTotalProfit += q;
        if (s.getIsNetWin()) {
            ++netWinCount;
            netWinProfit += q;
        }
        if (s.getIsNetLoss()) {
            ++netLossCount;
            netLossProfit += q;
        }
        if (s.getIsNetEven()) {
            ++netEvenCount;
        }
        totalAbsProfit += std::fabs(p);
        const auto g = static_cast<size_t>(getBarGroup(k));
        groupAbs[g] += std::fabs(p);
        groupSum[g] += p;
    }
    rating = ratingOf(totalProfit, totalAbsProfit);
    for (size_t g = 0; g < 4; ++g) {
        barRatings[g] = ratingOf(groupSum[g], groupAbs[g]);
    }
    winRate = n == 0 ? 0.0f : singleQuotient(winCount, n);
    profitFactor = isZeroF(lossProfit) ? 9.99f : static_cast<float>(std::fabs(singleQuotient(winProfit, lossProfit)));
    netWinRate = n == 0 ? 0.0f : singleQuotient(netWinCount, n);
    netProfitFactor =
        isZeroF(netLossProfit) ? 9.99f : static_cast<float>(std::fabs(singleQuotient(netWinProfit, netLossProfit)));
}
