#include "core/ordinal.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct OrdinalCase {
    int number;
    const char* ordinal;
};

TEST(OrdinalTest, WritesTheDigitsAndTheEnglishSuffix) {
    const OrdinalCase cases[] = {
        {1, "1st"},
        {2, "2nd"},
        {3, "3rd"},
        {4, "4th"},
        {9, "9th"},
        {10, "10th"},
        {11, "11th"},
        {12, "12th"},
        {13, "13th"},
        {14, "14th"},
        {20, "20th"},
        {21, "21st"},
        {22, "22nd"},
        {23, "23rd"},
        {24, "24th"},
        {100, "100th"},
        {101, "101st"},
        {102, "102nd"},
        {103, "103rd"},
        {111, "111th"},
        {112, "112th"},
        {113, "113th"},
        {121, "121st"},
        {1001, "1001st"},
        {1011, "1011th"},
        {0, "0th"},
        {-1, "-1st"},
        {-12, "-12th"},
        {std::numeric_limits<int>::max(), "2147483647th"},
        {std::numeric_limits<int>::min(), "-2147483648th"},
    };
    for (const OrdinalCase& row : cases) {
        SCOPED_TRACE(row.number);
        EXPECT_EQ(nominator::Ordinal(row.number), row.ordinal);
    }
}

}  // namespace
