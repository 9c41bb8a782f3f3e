#include "scoring/TotalResult.h"

#include "domain/Folders.h"
#include "domain/Helpers.h"
#include "domain/Messages.h"
#include "domain/Missing.h"
#include "platform/FileIo.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

float TScoreCell::getAverageRating() const {
    return count == 0 ? 0.0f : singleQuotient(ratingSum, count);
}

TQuorvaneResult::TQuorvaneResult(std::string fileName)
    : fileName_(fileName.empty() ? getScoreFileName() : std::move(fileName)) {
    load();
    calculate();
}

void TQuorvaneResult::addTest(std::unique_ptr<TTestResult> test) {
    test->calculate();
    tests.add(std::move(test));
    calculate();
}

TTestResult* TQuorvaneResult::getCurrentTest() {
    return tests.empty() ? nullptr : &tests.getTest(tests.getCount() - 1);
}

bool TQuorvaneResult::getHasUnfinishedTest() const {
    return !tests.empty() && !tests.getTest(tests.getCount() - 1).getIsFinished();
}

namespace {

void addToCell(TScoreCell& total, const TScoreCell& cell) {
    total.count += cell.count;
    total.ratingSum += cell.ratingSum;
    total.maxProfit = std::max(total.maxProfit, cell.maxProfit);
}

float payoff(float win, float loss) {
    return isZeroF(loss) ? 9.99f : -singleQuotient(win, loss);
}

} // namespace

void TQuorvaneResult::calculate() {
    netLossProfit = 0, evenCount = 0, netWinProfit = 0, lossCount = 0, winCount = 0, testCount = 0;
    lossProfit = 0, netTotalProfit = 0, winProfit = 0, netEvenCount = 0, netLossCount = 0, netWinCount = 0;
    totalProfit = 0, sessionCount = 0;
    float absSum = 0;
    std::array<float, 4> barSums{};
    scoreCells = {};
    for (int i = 0; i < tests.getCount(); ++i) {
        TTestResult& test = tests.getTest(i);
        // A test outside the tables (only an edited file holds one) stays in the file but not in the totals.
        if (!test.getIsFinished() || !test.getIsInTables()) {
            continue;
        }
        test.calculate();
        TScoreCell& c = scoreCells[static_cast<size_t>(test.pair.getSerial())]
                                  [static_cast<size_t>(quorvaneTimeStepSerialOf(test.timeStep.getSerial()))];
        ++c.count;
        c.ratingSum += test.rating;
        if (test.totalProfit > c.maxProfit) {
            c.maxProfit = test.totalProfit;
        }
        ++testCount;
        sessionCount += test.getAnsweredCount();
        absSum += test.totalAbsProfit;
        totalProfit += test.totalProfit;
        winProfit += test.winProfit;
        lossProfit += test.lossProfit;
        winCount += test.winCount;
        lossCount += test.lossCount;
        evenCount += test.evenCount;
        netTotalProfit += test.netTotalProfit;
        netWinProfit += test.netWinProfit;
        netLossProfit += test.netLossProfit;
        netWinCount += test.netWinCount;
        netLossCount += test.netLossCount;
        netEvenCount += test.netEvenCount;
        for (size_t k = 0; k < 4; ++k) {
            barSums[k] += test.barRatings[k];
        }
    }
    for (size_t p = 0; p < TPair::count; ++p) {
        pairTotals[p] = {};
        for (size_t t = 0; t < 6; ++t) {
            addToCell(pairTotals[p], scoreCells[p][t]);
        }
    }
    for (size_t t = 0; t < 6; ++t) {
        timeScaleTotals[t] = {};
        for (size_t p = 0; p < TPair::count; ++p) {
            addToCell(timeScaleTotals[t], scoreCells[p][t]);
        }
    }
    for (size_t k = 0; k < 4; ++k) {
        barRatings[k] = testCount == 0 ? 0.0f : singleQuotient(barSums[k], testCount);
    }
    averageWin = winCount == 0 ? 0.0f : singleQuotient(winProfit, winCount);
    netAverageWin = netWinCount == 0 ? 0.0f : singleQuotient(netWinProfit, netWinCount);
    averageLoss = lossCount == 0 ? 0.0f : singleQuotient(lossProfit, lossCount);
    netAverageLoss = netLossCount == 0 ? 0.0f : singleQuotient(netLossProfit, netLossCount);
    profitFactor = payoff(winProfit, lossProfit);
    netProfitFactor = payoff(netWinProfit, netLossProfit);
    payoffRatio = payoff(averageWin, averageLoss);
    netPayoffRatio = payoff(netAverageWin, netAverageLoss);
    rating = isZeroF(absSum) ? 0.0f : singleQuotient(winProfit, absSum);
    winRate = sessionCount == 0 ? 0.0f : singleQuotient(winCount, sessionCount);
    netWinRate = sessionCount == 0 ? 0.0f : singleQuotient(netWinCount, sessionCount);
}

std::string TQuorvaneResult::formatLine(const TTestResult& test) {
    std::string line = formatDate(test.startTime) + "," + formatTime(test.startTime) + ",";
    line += std::to_string(test.pair.getSerial()) + "," + std::to_string(test.timeStep.getSerial()) + ",";
    for (const TSessionRecord& s : test.sessions) {
        for (std::int32_t v : {s.pair.getSerial(), s.timeStep.getSerial(), s.chartStartTime, s.entryTime, s.exitTime,
                               s.entryPrice, s.exitPrice, s.answer.getSerial(), s.answerTime}) {
            line += std::to_string(v) + ",";
        }
    }
    return removeLastComma(line);
}

std::unique_ptr<TTestResult> TQuorvaneResult::parseLine(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (fields.size() < static_cast<size_t>(fieldsPerLine)) {
        throw std::invalid_argument(std::to_string(fieldsPerLine) + " fields expected, " +
                                    std::to_string(fields.size()) + " found");
    }
    auto test = std::make_unique<TTestResult>();
    test->startTime = parseDateTime(fields[0] + " " + fields[1]);
    test->pair.setSerial(parseInt(fields[2]));
    test->timeStep.setSerial(parseInt(fields[3]));
    for (int s = 0; s < TTestResult::sessionCount; ++s) {
        const auto at = [&](int k) { return parseInt(fields[static_cast<size_t>(4 + 9 * s + k)]); };
        TSessionRecord& r = test->sessions[static_cast<size_t>(s)];
        r.sessionNumber = s + 1;
        r.pair.setSerial(at(0));
        r.timeStep.setSerial(at(1));
        r.chartStartTime = at(2);
        r.entryTime = at(3);
        r.exitTime = at(4);
        r.entryPrice = at(5);
        r.exitPrice = at(6);
        r.answer.setSerial(at(7));
        r.answerTime = at(8);
    }
    return test;
}

void TQuorvaneResult::save() const {
    std::string text;
    for (int i = 0; i < tests.getCount(); ++i) {
        text += formatLine(tests.getTest(i)) + "\r\n";
    }
    writeWholeFile(fileName_, text);
}

std::string TQuorvaneResult::load() {
    tests.clearTests();
    if (!fileExists(fileName_)) {
        return {};
    }
    const std::vector<std::string> lines = loadTextLines(fileName_);
    std::string badLines;
    for (size_t n = 0; n < lines.size(); ++n) {
        if (lines[n].empty()) {
            continue;
        }
        try {
            tests.add(parseLine(lines[n]));
        } catch (const std::invalid_argument&) {
            badLines += (badLines.empty() ? "" : ", ") + std::to_string(n + 1);
        }
    }
    if (badLines.empty()) {
        return {};
    }
    // Keep the damaged file as it is, so that the next save loses nothing that was stored.
    const CalendarTime now = decodeDateTime(nowDateTime());
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", now.year, now.month, now.day, now.hour, now.minute,
                  now.second);
    const std::string copy = fileName_ + ".damaged-" + stamp;
    std::error_code ec;
    std::filesystem::copy_file(fileName_, copy, std::filesystem::copy_options::skip_existing, ec);
    const std::string unread = "成績ファイル \"" + fileName_ + "\" の " + badLines + " 行目を読み込めませんでした。";
    if (ec) {
        showMessage(MessageKind::Error, unread + "元のファイルの写しも作れませんでした (" + ec.message() + ")。");
        return {};
    }
    showMessage(MessageKind::Error, unread + "元のファイルは \"" + copy + "\" に保存してあります。");
    return copy;
}
