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
    EXPECT_EQ(ParseParameterFile(text), extremes);
    EXPECT_EQ(ParseParameterFile(FormatParameterFile(values)), values);
}

TEST(ParameterFileFormat, ReaderToleratesWhatFollowsAndAMissingLastLineEnd) {
    const UnitParameters expected{0, 0, 2, 1000, 1, 0, 0};
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0"), expected);
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\nextra\r\n99\r\n"),
              expected);
    EXPECT_EQ(ParseParameterFile("0\n0\n2\n 1000 \n1\n0\n0\n"), expected);
}

TEST(ParameterFileFormat, ReaderRefusesShortOrMalformedFiles) {
    EXPECT_EQ(ParseParameterFile(""), std::nullopt);
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n"), std::nullopt);
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n2147483648\r\n1\r\n0\r\n0\r\n"), std::nullopt);
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n-2147483649\r\n1\r\n0\r\n0\r\n"), std::nullopt);
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2\r\n10x0\r\n1\r\n0\r\n0\r\n"), std::nullopt);
    EXPECT_EQ(ParseParameterFile("0\r\n\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n"), std::nullopt);
    EXPECT_EQ(ParseParameterFile("0\r\n0\r\n2.5\r\n1000\r\n1\r\n0\r\n0\r\n"), std::nullopt);
}
