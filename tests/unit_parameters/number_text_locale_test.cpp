// The panel's numbers under a locale whose decimal point is a comma, as the Qt
// application adopts it from the user: "." must still be the point.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "unit_parameters/number_text.h"
#include "unit_parameters/unit_parameters.h"

namespace unit_parameters {
namespace {

constexpr const char* CommaLocale = "de_DE.UTF-8";

// The locale is made once for the suite (localedef takes a second) and set for each test.
class CommaLocaleTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        savedLocale_ = std::setlocale(LC_ALL, nullptr);
        if (const char* path = std::getenv("LOCPATH")) savedLocPath_ = path;
        if (!std::setlocale(LC_ALL, CommaLocale)) BuildLocale();
        std::setlocale(LC_ALL, savedLocale_.c_str());
    }

    static void TearDownTestSuite() {
        if (savedLocPath_)
            setenv("LOCPATH", savedLocPath_->c_str(), 1);
        else
            unsetenv("LOCPATH");
        if (!folder_.empty()) std::filesystem::remove_all(folder_);
    }

    void SetUp() override {
        if (!std::setlocale(LC_ALL, CommaLocale))
            GTEST_SKIP() << CommaLocale << " is not installed and localedef could not build it "
                         << "(Debian package `locales`)";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }

    void TearDown() override { std::setlocale(LC_ALL, savedLocale_.c_str()); }

  private:
    // Builds the locale into a folder of this test and points the C library at it.
    static void BuildLocale() {
        char pattern[] = "/tmp/comma-locale-XXXXXX";
        if (!mkdtemp(pattern)) return;
        folder_ = pattern;
        const std::string command = "localedef -i de_DE -f UTF-8 " + folder_.string() + "/" +
                                    CommaLocale + " >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) return;
        setenv("LOCPATH", folder_.c_str(), 1);
    }

    static inline std::string savedLocale_;
    static inline std::optional<std::string> savedLocPath_;
    static inline std::filesystem::path folder_;
};

TEST_F(CommaLocaleTest, ReadersTakeThePointAsTheDecimalPoint) {
    EXPECT_EQ(ReadStrictDecimal("2000.6"), 2000.6);
    EXPECT_FALSE(ReadStrictDecimal("2000,6"));
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(ReadLeadingDecimal("1,5"), 1.0);
}

TEST_F(CommaLocaleTest, PanelRefusesAndRoundsAsInAnyLocale) {
    ParameterPanel panel;
    ParametersToPanel(DefaultParameters(), panel);
    panel.phaseCountText = "2000.6";
    EXPECT_EQ(ValidateParameterPanel(panel), PanelCheck::PhaseCountRejected);
    panel.phaseCountText = "1.5";
    UnitParameters record = DefaultParameters();
    ASSERT_TRUE(PanelToParameters(panel, record));
    EXPECT_EQ(record[PhaseCount], 2);
}

}  // namespace
}  // namespace unit_parameters
