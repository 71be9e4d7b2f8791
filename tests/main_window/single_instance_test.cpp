// One instance of QM4417 per user desktop.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <sstream>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/qt_program_identity.h"

namespace {

// Runs the event loop until `done`, at most 10 s.
template <class Done>
bool SpinUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

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
    std::ostringstream warnings;
    platform::QtProgramIdentity second(warnings);
    EXPECT_TRUE(first->claimSingleInstance());
    EXPECT_TRUE(first->claimSingleInstance());
    EXPECT_FALSE(second.claimSingleInstance());
    EXPECT_EQ(warnings.str(), "");
    first.reset();
    EXPECT_TRUE(second.claimSingleInstance());
    EXPECT_EQ(warnings.str(), "");
}

TEST_F(SingleInstanceTest, ALockThatCannotBeMadeLetsTheProgramStartAndSaysWhy) {
    const QString missing = runtime.filePath("gone");
    qputenv("XDG_RUNTIME_DIR", missing.toUtf8());
    std::ostringstream warnings;
    platform::QtProgramIdentity identity(warnings);
    EXPECT_TRUE(identity.claimSingleInstance());
    EXPECT_EQ(warnings.str(), "QM4417: cannot guard against a second instance: the folder " +
                                  missing.toStdString() + " does not exist; starting anyway.\n");
}

TEST_F(SingleInstanceTest, AnUnwritableRuntimeFolderLetsTheProgramStartAndSaysWhy) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::ExeOwner);
    std::ostringstream warnings;
    platform::QtProgramIdentity identity(warnings);
    EXPECT_TRUE(identity.claimSingleInstance());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_NE(
        warnings.str().find("the folder " + runtime.path().toStdString() + " is not writable"),
        std::string::npos)
        << warnings.str();
}

TEST_F(SingleInstanceTest, ALockOfAnotherUserDoesNotCountAsAnInstance) {
    if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
    platform::QtProgramIdentity running;
    ASSERT_TRUE(running.claimSingleInstance());
    const std::string lock = platform::QtProgramIdentity::lockFilePath("QM4417");
    ASSERT_EQ(chown(lock.c_str(), 65534, 65534), 0);
    std::ostringstream warnings;
    platform::QtProgramIdentity second(warnings);
    EXPECT_TRUE(second.claimSingleInstance());
    EXPECT_NE(warnings.str().find(lock + " belongs to another user"), std::string::npos)
        << warnings.str();
}

TEST_F(SingleInstanceTest, TheFallbackLockCarriesTheUserInItsName) {
    qunsetenv("XDG_RUNTIME_DIR");
    const std::string path = platform::QtProgramIdentity::lockFilePath("QM4417");
    const std::string user = getpwuid(geteuid())->pw_name;
    EXPECT_EQ(path.rfind((QDir::tempPath() + "/QM4417-").toStdString() + user + '-', 0), 0u)
        << path;
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

TEST_F(SingleInstanceTest, ASecondStartAsksTheHolderToShowItselfWithTheLaunchersToken) {
    platform::QtProgramIdentity running;
    ASSERT_TRUE(running.claimSingleInstance());
    std::vector<std::string> asked;
    running.whenAskedToShow([&](const std::string& token) { asked.push_back(token); });
    platform::QtProgramIdentity second;
    ASSERT_FALSE(second.claimSingleInstance());
    EXPECT_TRUE(second.askRunningInstanceToShow("launcher-1-host-qm4417-0_TIME42"));
    EXPECT_TRUE(second.askRunningInstanceToShow(""));
    ASSERT_TRUE(SpinUntil([&] { return asked.size() == 2; })) << asked.size();
    EXPECT_EQ(asked, (std::vector<std::string>{"launcher-1-host-qm4417-0_TIME42", ""}));
}

TEST_F(SingleInstanceTest, NobodyToAskWhenNoInstanceListens) {
    platform::QtProgramIdentity lone;
    EXPECT_FALSE(lone.askRunningInstanceToShow("token"));
}

TEST_F(SingleInstanceTest, ASecondProgramAsksTheRunningOneThenEndsAndWritesNothing) {
    platform::QtProgramIdentity running;
    ASSERT_TRUE(running.claimSingleInstance());
    std::vector<std::string> asked;
    running.whenAskedToShow([&](const std::string& token) { asked.push_back(token); });
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DESKTOP_STARTUP_ID", "menu-7-host-qm4417-0_TIME99");
    environment.remove("XDG_ACTIVATION_TOKEN");
    second.setProcessEnvironment(environment);
    second.start(QM4417_PROGRAM, {});
    ASSERT_TRUE(second.waitForFinished(20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QDir(config.path()).isEmpty());
    EXPECT_EQ(second.readAllStandardError(), "");
    ASSERT_TRUE(SpinUntil([&] { return !asked.empty(); }));
    EXPECT_EQ(asked, std::vector<std::string>{"menu-7-host-qm4417-0_TIME99"});
}

TEST_F(SingleInstanceTest, TheProgramStartsWhenItsLockCannotBeMade) {
    // Qt makes a missing runtime folder itself, so it has to be one that cannot exist.
    QFile file(runtime.filePath("file"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    qputenv("XDG_RUNTIME_DIR", runtime.filePath("file/gone").toUtf8());
    QProcess program;
    program.setReadChannel(QProcess::StandardError);
    program.start(QM4417_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted(20000));
    QByteArray said;
    const char* const warning = "QM4417: cannot guard against a second instance";
    while (!said.contains(warning) && program.waitForReadyRead(20000))
        said += program.readAllStandardError();
    ASSERT_TRUE(said.contains(warning)) << said.toStdString();
    // It goes on to show its window instead of ending.
    EXPECT_FALSE(program.waitForFinished(1000));
    program.kill();
    program.waitForFinished(20000);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
