#include "data/PairList.h"
#include "domain/Folders.h"
#include "platform/FileIo.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {
const char* pairInfo = "0,EURUSD,0.00000,0.00001,0,20\r\n"
                       "1,GBPUSD,0.00000,0.00001,0,30\r\n"
                       "2,USDCHF,0.00000,0.00001,0,30\r\n"
                       "3, USDJPY, \"0.000\" ,0.001,0,10\r\n";
}

TEST(PairListTest, LoadsThePairInformationBesideTheProgram) {
    FolderSandbox sandbox;
    {
        TPairList absent;
        EXPECT_EQ(absent.getCount(), 0);
    }
    writeTextFile(getPairInfoFileName(), std::string("\xEF\xBB\xBF") + pairInfo);
    TPairList list;
    ASSERT_EQ(list.getCount(), 4);
    pairList = &list;
    EXPECT_EQ(getPriceFormat(TPair(3)), "0.000");
    EXPECT_DOUBLE_EQ(getPointSize(TPair(3)), 0.001);
    EXPECT_EQ(getSpread(TPair(1)), 30);
    EXPECT_EQ(list.getItem(3).name, "USDJPY");
    EXPECT_DOUBLE_EQ(getPrice(TPair(3), 112345), 112.345);
    EXPECT_EQ(getPriceString(TPair(3), 112346), "112.346");
    EXPECT_EQ(getPriceString(TPair(0), 132015), "1.32015");
    EXPECT_THROW(getPointSize(TPair(9)), std::out_of_range);
    pairList = nullptr;
}

TEST(PairListTest, PriceFormatsRound) {
    const std::tuple<const char*, long double, const char*> rows[] = {
        {"0.00", 112.346L, "112.35"},    {"0.000", 112.3455L, "112.346"},
        {"0.00", 0.005L, "0.01"},        {"0.0##", 1.5L, "1.5"},
        {"#.00", 0.25L, ".25"},          {"0.000", -0.0004L, "0.000"},
        {"0.00", -1.255L, "-1.26"},      {"0", 99.5L, "100"},
        {"0.00000", 1.32015L, "1.32015"}};
    for (const auto& [format, value, text] : rows) {
        EXPECT_EQ(formatFloat(format, value), text) << format << " " << static_cast<double>(value);
    }
    // 112346 points of 0.001 formatted to two places, through the pair accessor path.
    EXPECT_EQ(formatFloat("0.00", 112346 * static_cast<long double>(0.001)), "112.35");
}

TEST(PairListTest, MalformedLinesNameFileAndLine) {
    FolderSandbox sandbox;
    const std::pair<const char*, const char*> cases[] = {
        {"0,EURUSD,0.00000,0.00001,0\r\n", "line 1: 6 items expected, 5 found"},
        {"0,EURUSD,0.00000,0.00001,0,20\r\n1,GBPUSD,0.00000,x,0,30\r\n", "line 2: 'x'"},
        {"0,EURUSD,0.00000,0.00001,0,2.5\r\n", "line 1: '2.5'"},
    };
    for (const auto& [content, message] : cases) {
        writeTextFile(getPairInfoFileName(), content);
        try {
            TPairList list;
            ADD_FAILURE() << "accepted " << content;
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
            EXPECT_NE(std::string(e.what()).find("pairinfo.txt"), std::string::npos) << e.what();
        }
    }
}
