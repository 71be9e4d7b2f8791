#include <gtest/gtest.h>

#include <limits>

#include "param_files/parameter_file_format.h"

using param_files::FormatParameterFile;
using param_files::ParseParameterFile;
using unit_parameters::UnitParameters;

TEST(ParameterFileFormat, DefaultRecordIsTheTwentyFourByteFile) {
    const std::string expected = "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n";
    EXPECT_EQ(FormatParameterFile({0, 0, 2, 1000, 1, 0, 0}), expected);
    EXPECT_EQ(expected.size(), 24u);
}

TEST(ParameterFileFormat, SignedValuesAndExtremesRoundTrip) {
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    const UnitParameters values{1, 1, 10, 500, 3, 18, 13398};
    EXPECT_EQ(FormatParameterFile(values).size(), 29u);
    const UnitParameters extremes{min, max, -1, 0, 7, 65535, -70000};
    const std::string text = FormatParameterFile(extremes);
    EXPECT_EQ(text.substr(0, 13), "-2147483648\r\n");
    EXPECT_EQ(text.size(), 13u + 12 + 4 + 3 + 3 + 7 + 8);
    EXPECT_EQ(ParseParameterFile(text).record, extremes);
    EXPECT_EQ(ParseParameterFile(FormatParameterFile(values)).record, values);
}

TEST(ParameterFileFormat, ReaderToleratesWhatFollowsAndAMissingLastLineEnd) {
    const UnitParameters expected{0, 0, 2, 1000, 1, 0, 0};
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0").record, expected);
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\nextra\r\n99\r\n").record,
              expected);
    EXPECT_EQ(ParseParameterFile("0\n0\n2\n 1000 \n1\n0\n0\n").record, expected);
    EXPECT_EQ(ParseParameterFile("0\n0\n2\n 1000 \n1\n0\n0\n").reason, "");
}

TEST(ParameterFileFormat, ReaderRefusesShortOrMalformedFilesAndSaysWhy) {
    const std::pair<const char*, const char*> refused[] = {
        {"", "It holds 0 lines where 7 are needed."},
        {"0\r\n", "It holds 1 line where 7 are needed."},
        {"0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n", "It holds 6 lines where 7 are needed."},
        {"0\r\n0\r\n2\r\n2147483648\r\n1\r\n0\r\n0\r\n",
         "Line 4 is outside 32 bits: \"2147483648\"."},
        {"0\r\n0\r\n2\r\n-2147483649\r\n1\r\n0\r\n0\r\n",
         "Line 4 is outside 32 bits: \"-2147483649\"."},
        {"0\r\n0\r\n2\r\n10x0\r\n1\r\n0\r\n0\r\n",
         "Line 4 is not a whole decimal number: \"10x0\"."},
        {"0\r\n\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n", "Line 2 is empty."},
        {"0\r\n0\r\n2.5\r\n1000\r\n1\r\n0\r\n0\r\n",
         "Line 3 is not a whole decimal number: \"2.5\"."},
        {"0\r\n0\r\n2\r\nabcdefghijklmnopqrstuvwxyz\r\n1\r\n0\r\n0\r\n",
         "Line 4 is not a whole decimal number: \"abcdefghijklmnopqrst...\"."},
        {"0\r\n0\r\n2\r\n1\x01\r\n1\r\n0\r\n0\r\n", "Line 4 is not a whole decimal number."},
        {"\xEF\xBB\xBF"
         "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n",
         "It starts with a byte-order mark; a parameter file is plain ASCII text."},
        {"\xFF\xFE"
         "0\0\r\0",
         "It starts with a byte-order mark; a parameter file is plain ASCII text."},
    };
    for (const auto& [text, reason] : refused) {
        SCOPED_TRACE(text);
        const auto read = ParseParameterFile(text);
        EXPECT_EQ(read.record, std::nullopt);
        EXPECT_EQ(read.reason, reason);
    }
}
