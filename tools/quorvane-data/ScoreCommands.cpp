#include "quorvane-data/ScoreCommands.h"

#include "data/ConversionTable.h"
#include "data/PairList.h"
#include "domain/Folders.h"
#include "quorvane-data/Arguments.h"
#include "scoring/TotalResult.h"

#include <cmath>
#include <cstdio>
#include <iostream>

namespace {

// Display rounding: to the nearest integer, ties to even.
long rounded(double v) {
    return std::lround(std::nearbyint(v));
}
long yen(float profit) {
    return rounded(static_cast<double>(profit) * 1000);
}
long percent(float rate) {
    return rounded(static_cast<double>(rate) * 100);
}

std::string single(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(v));
    return buffer;
}

void printCsv(const TQuorvaneResult& r) {
    const std::pair<const char*, float> floats[] = {{"totalProfit", r.totalProfit},
                                                    {"netTotalProfit", r.netTotalProfit},
                                                    {"winProfit", r.winProfit},
                                                    {"lossProfit", r.lossProfit},
                                                    {"netWinProfit", r.netWinProfit},
                                                    {"netLossProfit", r.netLossProfit},
                                                    {"winRate", r.winRate},
                                                    {"netWinRate", r.netWinRate},
                                                    {"averageWin", r.averageWin},
                                                    {"averageLoss", r.averageLoss},
                                                    {"netAverageWin", r.netAverageWin},
                                                    {"netAverageLoss", r.netAverageLoss},
                                                    {"profitFactor", r.profitFactor},
                                                    {"netProfitFactor", r.netProfitFactor},
                                                    {"payoffRatio", r.payoffRatio},
                                                    {"netPayoffRatio", r.netPayoffRatio},
                                                    {"rating", r.rating},
                                                    {"barRatings0", r.barRatings[0]},
                                                    {"barRatings1", r.barRatings[1]},
                                                    {"barRatings2", r.barRatings[2]},
                                                    {"barRatings3", r.barRatings[3]}};
    const std::pair<const char*, std::int32_t> counts[] = {
        {"testCount", r.testCount},       {"sessionCount", r.sessionCount}, {"winCount", r.winCount},
        {"lossCount", r.lossCount},       {"evenCount", r.evenCount},       {"netWinCount", r.netWinCount},
        {"netLossCount", r.netLossCount}, {"netEvenCount", r.netEvenCount}};
    std::cout << "name,value\n";
    for (const auto& [name, value] : counts) {
        std::cout << name << ',' << value << '\n';
    }
    for (const auto& [name, value] : floats) {
        std::cout << name << ',' << single(value) << '\n';
    }
    std::cout << "pair,timeScale,count,averageRating,maxProfit\n";
    for (int p = 0; p < TPair::count; ++p) {
        for (int t = 0; t < TQuorvaneTimeStep::count; ++t) {
            const TScoreCell& c = r.scoreCells[static_cast<size_t>(p)][static_cast<size_t>(t)];
            if (c.count > 0) {
                std::cout << TPair(p).getToString() << ',' << TQuorvaneTimeStep(t).getToString() << ',' << c.count
                          << ',' << single(c.getAverageRating()) << ',' << single(c.maxProfit) << '\n';
            }
        }
    }
}

// Right-aligns a text in `width` terminal columns; a character of several UTF-8 bytes takes two columns.
std::string padLeft(const std::string& text, int width) {
    int columns = 0;
    for (unsigned char c : text) {
        if (c < 0x80) {
            columns += 1;
        } else if (c >= 0xC0) {
            columns += 2;
        }
    }
    return std::string(static_cast<size_t>(std::max(0, width - columns)), ' ') + text;
}

template <typename CellValue> void printTable(const TQuorvaneResult& r, const char* title, CellValue value) {
    std::printf("\n%s\n%-8s", title, "");
    for (int t = 0; t < TQuorvaneTimeStep::count; ++t) {
        std::printf("%s", padLeft(TQuorvaneTimeStep(t).getToString(), 12).c_str());
    }
    std::printf("%12s\n", "all");
    auto cell = [&](const TScoreCell& c) {
        if (c.count == 0) {
            std::printf("%12s", "-");
        } else {
            std::printf("%12ld", value(c));
        }
    };
    for (int p = 0; p < TPair::count; ++p) {
        std::printf("%-8s", TPair(p).getToString().c_str());
        for (int t = 0; t < TQuorvaneTimeStep::count; ++t) {
            cell(r.scoreCells[static_cast<size_t>(p)][static_cast<size_t>(t)]);
        }
        cell(r.pairTotals[static_cast<size_t>(p)]);
        std::printf("\n");
    }
    std::printf("%-8s", "all");
    for (int t = 0; t < TQuorvaneTimeStep::count; ++t) {
        cell(r.timeScaleTotals[static_cast<size_t>(t)]);
    }
    std::printf("\n");
}

void printSummary(const TQuorvaneResult& r) {
    std::printf("Tests finished:   %d (%d sessions)%s\n", r.testCount, r.sessionCount,
                r.getHasUnfinishedTest() ? ", one test unfinished" : "");
    std::printf("Total profit:     %ld yen (net %ld yen)\n", yen(r.totalProfit), yen(r.netTotalProfit));
    std::printf("Win rate:         %ld %% (net %ld %%)\n", percent(r.winRate), percent(r.netWinRate));
    std::printf("Wins/losses/even: %d / %d / %d (net %d / %d / %d)\n", r.winCount, r.lossCount, r.evenCount,
                r.netWinCount, r.netLossCount, r.netEvenCount);
    std::printf("Profit factor:    %.2f (net %.2f)\n", static_cast<double>(r.profitFactor),
                static_cast<double>(r.netProfitFactor));
    std::printf("Payoff ratio:     %.2f (net %.2f)\n", static_cast<double>(r.payoffRatio),
                static_cast<double>(r.netPayoffRatio));
    std::printf("Average win/loss: %ld / %ld yen (net %ld / %ld yen)\n", yen(r.averageWin), yen(r.averageLoss),
                yen(r.netAverageWin), yen(r.netAverageLoss));
    std::printf("Rating:           %ld\n", percent(r.rating));
    std::printf("Bar ratings:      10 bars %ld, 20 bars %ld, 30 bars %ld, 40 bars %ld\n", percent(r.barRatings[0]),
                percent(r.barRatings[1]), percent(r.barRatings[2]), percent(r.barRatings[3]));
    printTable(r, "Average rating by pair and time scale (0-100)",
               [](const TScoreCell& c) { return percent(c.getAverageRating()); });
    printTable(r, "Best test profit by pair and time scale (yen)",
               [](const TScoreCell& c) { return yen(c.maxProfit); });
}

} // namespace

int runScores(const std::vector<std::string>& words) {
    const Arguments args(words, {"--program-dir", "--file"}, {"--help", "--csv"});
    if (handleCommonOptions(args,
                            "usage: quorvane-data scores [--file FILE] [--csv] [--program-dir DIR]\n"
                            "Loads a score history as the program does (default: score.txt of the data folder;\n"
                            "profits through the pair information and conversion rates of the program folder) and\n"
                            "prints the all-time totals and the rating and best-profit tables by pair and time\n"
                            "scale. With --csv it prints one name,value line per total (unrounded), then one\n"
                            "pair,timeScale,count,averageRating,maxProfit line per cell with a test.\n")) {
        return 0;
    }
    TPairList pairs;
    TConversionTable rates;
    pairList = &pairs;
    conversionTable = &rates;
    const TQuorvaneResult result(args.value("--file"));
    if (args.has("--csv")) {
        printCsv(result);
    } else {
        printSummary(result);
    }
    pairList = nullptr;
    conversionTable = nullptr;
    return 0;
}
