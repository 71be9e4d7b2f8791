#include <gtest/gtest.h>

#include "platform/file_dialogs.h"

TEST(FileDialogFilter, ProgramFiltersBecomeQtNameFilters) {
    EXPECT_EQ(platform::QtNameFilters("Parameter File(*.par)|*.par"), "Parameter File(*.par)");
    // A name whose parentheses are not its patterns still gets them, so Qt filters by them.
    EXPECT_EQ(platform::QtNameFilters("Old(*.par)|*.par;*.bak"), "Old(*.par) (*.par *.bak)");
    EXPECT_EQ(platform::QtNameFilters("Text|*.txt;*.log|All|*.*"), "Text (*.txt *.log);;All (*.*)");
    EXPECT_EQ(platform::QtNameFilters(""), "");
}
