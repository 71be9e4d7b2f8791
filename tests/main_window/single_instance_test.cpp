// One instance of QM4417 per user desktop.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/qt_program_identity.h"

namespace {

class SingleInstanceTest : public testing::Test {
  protected:
    SingleInstanceTest() {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }

    QTemporaryDir runtime;
    QTemporaryDir config;
};

TEST_F(SingleInstanceTest, OnlyOneClaimHoldsAtATime) {
    auto first = std::make_unique<platform::QtProgramIdentity>();
    platform::QtProgramIdentity second;
    EXPECT_TRUE(first->claimSingleInstance());
    EXPECT_TRUE(first->claimSingleInstance());
    EXPECT_FALSE(second.claimSingleInstance());
    first.reset();
    EXPECT_TRUE(second.claimSingleInstance());
}

TEST_F(SingleInstanceTest, EachDisplayHasItsOwnClaim) {
    const QByteArray display = qgetenv("DISPLAY");
    qputenv("DISPLAY", ":71");
    const std::string one = platform::QtProgramIdentity::lockFilePath("QM4417");
    qputenv("DISPLAY", ":72");
    const std::string other = platform::QtProgramIdentity::lockFilePath("QM4417");
    qputenv("DISPLAY", display);
    EXPECT_NE(one, other);
    EXPECT_TRUE(QString::fromStdString(one).startsWith(runtime.path()));
}

TEST_F(SingleInstanceTest, ASecondProgramEndsAtOnceAndWritesNothing) {
    platform::QtProgramIdentity running;
    ASSERT_TRUE(running.claimSingleInstance());
    QProcess second;
    second.start(QM4417_PROGRAM, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QDir(config.path()).isEmpty());
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
