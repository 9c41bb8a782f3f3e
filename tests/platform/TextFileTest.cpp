#include "platform/TextFile.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(TextFileTest, LineEndsAndByteOrderMarks) {
    const std::pair<std::string, Lines> rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\xEF\xBB\xBF"
         "USDJPY,1",
         {"USDJPY,1"}},
        {std::string("\xFF\xFE"
                     "a\0,\0\xE5\x65\r\0\n\0",
                     10),
         {"a,\xE6\x97\xA5"}}, // 日 in UTF-16 LE
        {std::string("\xFE\xFF\0a\0\n\0b", 8), {"a", "b"}},
        {"", {}},
    };
    for (const auto& [bytes, lines] : rows) {
        EXPECT_EQ(splitTextLines(bytes), lines);
    }
}

TEST(TextFileTest, CommaTextRules) {
    const std::pair<const char*, Lines> rows[] = {
        {"1,2,4,0", {"1", "2", "4", "0"}},
        {"1,2,4,0,", {"1", "2", "4", "0", ""}},
        {"1, 2", {"1", "2"}},
        {"a b", {"a", "b"}},
        {"1,,2", {"1", "", "2"}},
        {"\"a b\",c", {"a b", "c"}},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
        {"  x  ", {"x"}},
        {"", {}},
    };
    for (const auto& [text, items] : rows) {
        EXPECT_EQ(splitCommaText(text), items) << text;
    }
}
