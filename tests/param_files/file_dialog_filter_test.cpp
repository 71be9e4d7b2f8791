#include <gtest/gtest.h>

#include "platform/file_dialogs.h"

TEST(FileDialogFilter, ProgramFiltersBecomeQtNameFilters) {
    EXPECT_EQ(platform::QtNameFilters("Parameter File(*.par)|*.par"),
              "Parameter File(*.par) (*.par)");
    EXPECT_EQ(platform::QtNameFilters("Text|*.txt;*.log|All|*.*"), "Text (*.txt *.log);;All (*.*)");
    EXPECT_EQ(platform::QtNameFilters(""), "");
}
