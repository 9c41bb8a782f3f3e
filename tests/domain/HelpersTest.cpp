#include "domain/Helpers.h"
#include "domain/Missing.h"
#include "domain/StopWatch.h"
#include "platform/Ticks.h"

#include <gtest/gtest.h>
#include <set>

TEST(MissingTest, IntegerArithmeticCarriesMissing) {
    EXPECT_EQ(subInt(5, missingValue), missingValue);
    EXPECT_EQ(subInt(missingValue, 5), missingValue);
    EXPECT_EQ(subInt(5, 7), -2);
    EXPECT_FALSE(hasValue(missingValue));
    EXPECT_TRUE(isMissing(-999999));
}

TEST(MissingTest, SingleArithmeticAndTolerance) {
    struct Row {
        float x;
        bool hasValue;
    };
    const Row rows[] = {{-999999.0f, false}, {-999950.0f, false}, {-999900.5f, false}, {-999850.0f, true},
                        {0.0f, true},        {112.345f, true},    {-1999998.0f, true}};
    for (const Row& row : rows) {
        EXPECT_EQ(hasValueF(row.x), row.hasValue) << row.x;
    }
    EXPECT_EQ(addSingle(1.5f, 2.0f), 3.5f);
    EXPECT_EQ(subSingle(-999950.0f, 1.0f), missingValueF);
    EXPECT_EQ(subSingle(5.0f, 1.5f), 3.5f);
    EXPECT_EQ(subSingleInt(10.5f, 3), 7.5f);
    EXPECT_EQ(subSingleInt(10.5f, missingValue), missingValueF);
    EXPECT_EQ(addSingle(missingValueF, 1.0f), missingValueF);
}

TEST(MissingTest, ZeroRule) {
    EXPECT_FALSE(isNonZeroF(0.00005f));
    EXPECT_FALSE(isNonZeroF(-0.0001f));
    EXPECT_TRUE(isNonZeroF(-0.0002f));
    EXPECT_TRUE(isNonZeroF(0.00011f));
}

TEST(HelpersTest, RemoveLastComma) {
    const std::pair<const char*, const char*> rows[] = {{"1,2,", "1,2"}, {"1,2", "1,2"}, {",", ""}, {"", ""}};
    for (const auto& [in, out] : rows) {
        EXPECT_EQ(removeLastComma(in), out) << in;
    }
}

TEST(HelpersTest, RandomRangeCoversBothEndsAndNothingElse) {
    EXPECT_EQ(randomRange(7, 7), 7);
    setRandomSource([] { return 0.0; });
    EXPECT_EQ(randomRange(3, 9), 3);
    setRandomSource([] { return 0.9999999; });
    EXPECT_EQ(randomRange(3, 9), 9);
    setRandomSource({});
    seedRandom(42);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        int v = randomRange(3, 9);
        ASSERT_GE(v, 3);
        ASSERT_LE(v, 9);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 7u);
    seedRandom(42);
    int first = randomRange(0, 1000000);
    seedRandom(42);
    EXPECT_EQ(randomRange(0, 1000000), first);
}

TEST(HelpersTest, SwapAndParse) {
    std::int32_t a = 1, b = 2;
    swapInt(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(parseInt("-42"), -42);
    EXPECT_EQ(parseInt("+7"), 7);
    for (const char* bad : {"", "x", "1.5", "12a", "+-3", "99999999999"}) {
        EXPECT_THROW(parseInt(bad), std::invalid_argument) << bad;
    }
    EXPECT_DOUBLE_EQ(parseDouble("0.001"), 0.001);
    EXPECT_THROW(parseDouble("0,001"), std::invalid_argument);
}

TEST(StopWatchTest, ElapsedSurvivesTickWrap) {
    std::uint32_t now = 0xFFFFFF00u;
    setTickSource([&] { return now; });
    TStopWatch watch;
    watch.start();
    now += 0x200; // wraps past zero
    EXPECT_EQ(watch.getElapsed(), 0x200u);
    setTickSource({});
}
