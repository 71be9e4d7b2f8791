// Dependencies between folders run one way, down: each folder includes only from the folders
// its row below names, and the rows form no circle.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "include_graph.h"

namespace {

namespace fs = std::filesystem;
using house::DependencyTable;

// The house of the switch control, lowest first.
const DependencyTable kSwitchControl{
    {"switch_control/graphics", {}},
    {"switch_control/rendering", {"switch_control/graphics"}},
    {"switch_control/framework/control", {"switch_control/graphics"}},
    {"switch_control/framework/module", {"switch_control/framework/control"}},
    {"switch_control/framework/pages",
     {"switch_control/framework/module", "switch_control/framework/control"}},
    {"switch_control",
     {"switch_control/rendering", "switch_control/framework/module",
      "switch_control/framework/control", "switch_control/graphics"}},
    {"switch_control/property_page",
     {"switch_control", "switch_control/framework/pages", "switch_control/framework/module",
      "switch_control/framework/control"}},
    {"switch_control/module",
     {"switch_control", "switch_control/property_page", "switch_control/framework/pages",
      "switch_control/framework/module", "switch_control/framework/control"}},
    {"switch_control/qt",
     {"switch_control", "switch_control/rendering", "switch_control/framework/control",
      "switch_control/graphics"}},
    {"switch_control/widget",
     {"switch_control/qt", "switch_control", "switch_control/framework/control",
      "switch_control/graphics"}},
    {"switch_control/quick",
     {"switch_control/qt", "switch_control", "switch_control/framework/control",
      "switch_control/graphics"}},
    {"switch_control/designer",
     {"switch_control/widget", "switch_control/property_page", "switch_control",
      "switch_control/framework/pages", "switch_control/framework/control"}},
};

// QM4417's folders, lowest first. The window sits on top; the dialogs and the parameter files
// share the parameter record and the number reading below them, and never each other. The
// trend window sits beside the main window, which hands it readings through the monitor's
// listener and never includes it.
const DependencyTable kQm4417{
    {"platform", {}},
    {"platform/fakes", {"platform"}},
    {"unit_parameters", {}},
    {"widgets", {}},
    {"unit_link", {"platform"}},
    {"unit_link/fakes", {"unit_link"}},
    {"param_files", {"unit_parameters", "platform"}},
    {"dialogs", {"unit_parameters", "widgets", "platform"}},
    {"trend", {"unit_link"}},
    {"trend_window", {"trend", "widgets", "platform"}},
    {"main_window",
     {"dialogs", "param_files", "unit_link", "unit_parameters", "widgets", "platform"}},
};

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

TEST(IncludeDirection, SwitchControlFoldersIncludeOnlyDownwards) {
    const auto breaches = house::IncludeBreaches(SOURCE_ROOT, kSwitchControl);
    EXPECT_TRUE(breaches.empty()) << Lines(breaches);
}

TEST(IncludeDirection, SwitchControlTableHasNoCircle) {
    const auto circle = house::FindCircle(kSwitchControl);
    EXPECT_FALSE(circle) << Lines(circle.value_or(std::vector<std::string>{}));
}

TEST(IncludeDirection, Qm4417FoldersIncludeOnlyDownwards) {
    const auto breaches = house::IncludeBreaches(SOURCE_ROOT, kQm4417);
    EXPECT_TRUE(breaches.empty()) << Lines(breaches);
}

TEST(IncludeDirection, Qm4417TableHasNoCircle) {
    const auto circle = house::FindCircle(kQm4417);
    EXPECT_FALSE(circle) << Lines(circle.value_or(std::vector<std::string>{}));
}

// The check itself, on a small tree of its own.
class IncludeCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("include_direction_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
    }
    void TearDown() override { fs::remove_all(root_); }

    void Write(const std::string& file, const std::string& text) {
        fs::create_directories((root_ / file).parent_path());
        std::ofstream(root_ / file) << text;
    }

    fs::path root_;
    const DependencyTable table_{{"top", {"top/low"}}, {"top/low", {}}, {"top/side", {}}};
};

TEST_F(IncludeCheck, DownwardAndOwnFolderIncludesPassAndOutsideOnesAreLeftToTheirOwnTable) {
    Write("top/a.cpp", "#include \"top/a.h\"\n#include \"top/low/b.h\"\n#include <vector>\n");
    Write("top/low/b.h", "#pragma once\n#include \"elsewhere/c.h\"\n");
    Write("top/side/d.h", "#pragma once\n");
    EXPECT_EQ(house::IncludeBreaches(root_, {"top"}, table_), std::vector<std::string>{});
}

TEST_F(IncludeCheck, AnArrowBackUpIsReportedWithItsFileAndLine) {
    Write("top/a.cpp", "#include \"top/low/b.h\"\n");
    Write("top/low/b.h", "#pragma once\n  #  include \"top/a.h\"\n");
    Write("top/side/d.h", "#include \"top/low/b.h\"\n");
    EXPECT_EQ(house::IncludeBreaches(root_, {"top"}, table_),
              (std::vector<std::string>{
                  "top/low/b.h:2 includes top/a.h: top is not allowed from top/low",
                  "top/side/d.h:1 includes top/low/b.h: top/low is not allowed from top/side"}));
}

TEST_F(IncludeCheck, FoldersTheTableDoesNotNameAndMissingOnesAreReported) {
    Write("top/a.cpp", "");
    Write("top/low/b.h", "");
    Write("top/new/e.cpp", "");
    EXPECT_EQ(house::IncludeBreaches(root_, {"top"}, table_),
              (std::vector<std::string>{"top/new holds C++ files but is not in the table",
                                        "top/side is in the table but holds no C++ files"}));
}

TEST_F(IncludeCheck, SeveralTopFoldersAreCheckedAgainstEachOtherButNotAgainstTheRest) {
    Write("left/a.cpp", "#include \"right/b.h\"\n#include \"elsewhere/c.h\"\n");
    Write("right/b.h", "#pragma once\n#include \"left/a.h\"\n");
    const DependencyTable sides{{"left", {"right"}}, {"right", {}}};
    EXPECT_EQ(
        house::IncludeBreaches(root_, {"left", "right"}, sides),
        std::vector<std::string>{"right/b.h:2 includes left/a.h: left is not allowed from right"});
    EXPECT_EQ(house::IncludeBreaches(root_, {"left", "gone"}, {{"left", {}}, {"gone", {}}}),
              std::vector<std::string>{"gone is in the table but holds no C++ files"});
}

TEST_F(IncludeCheck, WithoutAListTheTablesTopFoldersAreChecked) {
    Write("left/a.cpp", "#include \"right/inner/c.h\"\n");
    Write("right/inner/c.h", "#pragma once\n#include \"left/a.h\"\n");
    Write("outside/d.cpp", "#include \"left/a.h\"\n");
    const DependencyTable nested{{"left", {"right/inner"}}, {"right/inner", {}}};
    EXPECT_EQ(house::IncludeBreaches(root_, nested),
              std::vector<std::string>{
                  "right/inner/c.h:2 includes left/a.h: left is not allowed from right/inner"});
}

TEST(IncludeCircle, ACircleInTheTableIsFoundWithItsPath) {
    const DependencyTable circular{{"a", {"b"}}, {"b", {"c"}}, {"c", {"a"}}, {"d", {"a"}}};
    EXPECT_EQ(house::FindCircle(circular), (std::vector<std::string>{"a", "b", "c", "a"}));
    const DependencyTable layered{{"a", {"b", "c"}}, {"b", {"c"}}, {"c", {}}};
    EXPECT_EQ(house::FindCircle(layered), std::nullopt);
}

}  // namespace
