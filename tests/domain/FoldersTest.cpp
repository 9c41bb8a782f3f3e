#include "domain/Folders.h"
#include "domain/Pair.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(FoldersTest, LayoutUnderTheDataHome) {
    FolderSandbox sandbox;
    EXPECT_EQ(getDataFolder(), sandbox.dataHome() + "/dellmoor/quorvane/");
    EXPECT_EQ(getScoreFileName(), sandbox.dataHome() + "/dellmoor/quorvane/user/score.txt");
    EXPECT_EQ(getValueListFolder(), getDataFolder() + "valueList/");
    EXPECT_EQ(getOhlcFolder(), getDataFolder() + "ohlc/");
    EXPECT_EQ(getHistoricalDataFolder(), sandbox.programDir() + "historicaldata/");
    EXPECT_EQ(getConversionRateFileName(), sandbox.programDir() + "etc/conversionrate.txt");
}

TEST(FoldersTest, CreateDataFoldersMakesOnlyWhatIsMissing) {
    FolderSandbox sandbox;
    createDataFolders();
    for (const auto& folder : {getOhlcFolder(), getValueListFolder(), getUserFolder()}) {
        EXPECT_TRUE(fs::is_directory(folder)) << folder;
    }
    writeTextFile(getOhlcFolder() + "keep.txt", "x");
    fs::remove_all(getUserFolder());
    createDataFolders();
    EXPECT_TRUE(fs::is_directory(getUserFolder()));
    EXPECT_TRUE(fs::exists(getOhlcFolder() + "keep.txt"));
    EXPECT_FALSE(fs::exists(sandbox.programDir() + "historicaldata"));
}

TEST(FoldersTest, FinishedMarkerDecidesGetIsFinished) {
    FolderSandbox sandbox;
    createDataFolders();
    EXPECT_FALSE(TPair(3).getIsFinished());
    writeTextFile(getOhlcFolder() + "USDJPY.finished", "2010/05/03\r\n");
    EXPECT_TRUE(TPair(3).getIsFinished());
    EXPECT_FALSE(TPair(0).getIsFinished());
}
