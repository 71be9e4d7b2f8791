// QM4417 asked to end by a signal (a shutdown, a closed session, Ctrl+C): it ends as a close of
// its window does, and a second signal ends it at once.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <functional>

#include "platform/termination_signals.h"

namespace {

bool DefaultHandling(int number) {
    struct sigaction current {};
    sigaction(number, nullptr, &current);
    return current.sa_handler == SIG_DFL;
}

// Whether `done` came true within ten seconds, the events running meanwhile.
bool Within10Seconds(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(50);
    }
    return done();
}

TEST(TerminationSignalsTest, TheFirstSignalIsTakenOnTheEventLoopOnce) {
    int calls = 0;
    platform::TerminationSignals endRequests;
    endRequests.setHandler([&calls] { ++calls; });
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) EXPECT_FALSE(DefaultHandling(number));
    raise(SIGHUP);
    EXPECT_EQ(calls, 0) << "not from inside the signal handler";
    EXPECT_TRUE(Within10Seconds([&] { return calls > 0; }));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(endRequests.requested());
    // The next one is the system's again: it ends the program.
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) EXPECT_TRUE(DefaultHandling(number));
}

TEST(TerminationSignalsTest, ASecondSignalEndsTheProgramAtOnce) {
    EXPECT_EXIT(
        {
            platform::TerminationSignals endRequests;
            raise(SIGTERM);
            raise(SIGTERM);
            std::exit(0);
        },
        testing::KilledBySignal(SIGTERM), "");
}

TEST(TerminationSignalsTest, WithoutTheObjectSignalsHaveTheirDefaultHandling) {
    { platform::TerminationSignals endRequests; }
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) EXPECT_TRUE(DefaultHandling(number));
}

// The program itself, its files in folders of the test's own.
class ProgramEndTest : public testing::Test {
  protected:
    ProgramEndTest() {
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
    }
    ~ProgramEndTest() override {
        for (QProcess* process : {&program, &unit}) {
            process->kill();
            process->waitForFinished(5000);
        }
    }

    void mapCom1To(const QString& device) {
        QFile settings(config.filePath("QM4417.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(("[Ports]\nCOM1=" + device + "\n").toUtf8());
    }
    // Started, and its signal handling in place: that comes before its instance claim.
    void startProgram() {
        program.start(QM4417_PROGRAM, {});
        ASSERT_TRUE(program.waitForStarted(20000));
        ASSERT_TRUE(Within10Seconds([this] { return !QDir(runtime.path()).isEmpty(); }))
            << "no instance claim";
    }
    void endsNormallyOn(int number) {
        ::kill(static_cast<pid_t>(program.processId()), number);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }
    QString settingsText() const {
        QFile settings(config.filePath("QM4417.ini"));
        return settings.open(QIODevice::ReadOnly) ? QString::fromUtf8(settings.readAll()) : "";
    }

    QTemporaryDir runtime, config, data, work;
    QProcess program, unit;
};

TEST_F(ProgramEndTest, ASignalEndsTheRunningWindowAsItsCloseDoes) {
    const QString link = work.filePath("unit");
    unit.start(KV3907_SIM, {"--no-pacing", "--link", link});
    ASSERT_TRUE(Within10Seconds([&] { return QFile::exists(link); })) << "no simulated unit";
    mapCom1To(link);
    startProgram();
    endsNormallyOn(SIGTERM);
    EXPECT_TRUE(settingsText().contains("MainLeft=")) << "the window's place is kept";
}

TEST_F(ProgramEndTest, ASignalWhileTheStartSaysThePortFailedEndsTheProgram) {
    mapCom1To(work.filePath("no-such-device"));
    startProgram();
    endsNormallyOn(SIGHUP);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // A death test runs in a program started afresh, with an application object of its own.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    return RUN_ALL_TESTS();
}
