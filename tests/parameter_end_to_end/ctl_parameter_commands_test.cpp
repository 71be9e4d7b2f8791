// qm4417ctl load and upload against the simulated unit: the words the unit receives,
// the texts printed, and the files written.
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <sstream>

#include "tests/end_to_end/sim_fixture.h"
#include "tests/parameter_end_to_end/received_requests.h"
#include "tools/qm4417ctl/run_ctl.h"

namespace {

struct CtlResult {
    int exitCode;
    std::string out;
    std::string err;
};

class CtlParameters : public end_to_end::SimulatedUnitTest {
  protected:
    CtlResult run(const std::string& command, const std::string& file) {
        std::ostringstream out, err;
        const int code = qm4417ctl::RunCtl(
            {"--port", unit.devicePath(), "--line", end_to_end::Line, command, path(file)},
            settings, out, err, interrupted);
        return {code, out.str(), err.str()};
    }
    std::string path(const std::string& name) const {
        return folder.filePath(QString::fromStdString(name)).toStdString();
    }
    void writeFile(const std::string& name, const char* bytes) {
        QFile file(QString::fromStdString(path(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    std::string readFile(const std::string& name) const {
        QFile file(QString::fromStdString(path(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }
    std::vector<std::string> received() const {
        return parameter_end_to_end::ReceivedBodies(unit.receivedBytes());
    }

    QTemporaryDir folder;
    std::atomic<bool> interrupted{false};
};

TEST_F(CtlParameters, LoadMakesTheWindowsEightWrites) {
    writeFile("unit.par", "1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n");
    const CtlResult result = run("load", "unit.par");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(received(), (std::vector<std::string>{
                              "2FFEF2E,0001;", "2FFEF30,0001;", "2FFEF32,000A;", "2FFEF34,01F4;",
                              "2FFEF36,0003;", "2FFEF38,0012;", "2FFEF3A,3456;", "2FFEF66,0001;"}));
    EXPECT_EQ(result.out, "Parameter Load Busy...Please Wait!\nLoad was Complated.\n");
    EXPECT_EQ(result.err, "Load commparate.\n");
    EXPECT_EQ(control("peek FFEF34"), "0x01F4");
}

TEST_F(CtlParameters, LoadRefusesWhatTheWindowWouldBeforeSendingAnything) {
    writeFile("phase.par", "0\r\n0\r\n2\r\n2001\r\n1\r\n0\r\n0\r\n");
    writeFile("short.par", "0\r\n0\r\n2\r\n1000\r\n");
    const CtlResult phase = run("load", "phase.par");
    EXPECT_EQ(phase.exitCode, 1);
    EXPECT_EQ(phase.err, "Phase Count is Over Flow\n");
    const CtlResult missing = run("load", "short.par");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, path("short.par") + " Can't Read Parameter File\n");
    EXPECT_TRUE(received().empty());
}

TEST_F(CtlParameters, LoadStopsAtTheFirstRefusedWord) {
    writeFile("unit.par", "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n");
    control("fault nak 1");
    const CtlResult result = run("load", "unit.par");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(received().size(), 1u);
    EXPECT_EQ(result.out, "Parameter Load Busy...Please Wait!\nLoad was Interrupted.\n");
    EXPECT_NE(result.err.find("Load Error"), std::string::npos);
}

TEST_F(CtlParameters, UploadWritesTheFileAsTheWindowWould) {
    unit.withUnit([](unit_sim::SimulatedUnit& simulated, auto) {
        // Code 5 shows as GRAY and comes back as 1, as through the window's panel.
        const std::uint16_t words[] = {5, 1, 10, 500, 3, 0x01, 0x2345};
        for (int i = 0; i < 7; ++i) simulated.memory().write(0xFFEF2E + 2 * i, words[i]);
    });
    const CtlResult result = run("upload", "unit.par");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(received(), std::vector<std::string>{"4FFEF2E;7;"});
    EXPECT_EQ(result.out, "Parameter Upload Busy...Please Wait!\nUpload was Complated.\n");
    EXPECT_EQ(readFile("unit.par"), "1\r\n1\r\n10\r\n500\r\n3\r\n1\r\n9029\r\n");
}

TEST_F(CtlParameters, FailedUploadKeepsThePreviousFile) {
    writeFile("unit.par", "previous");
    control("fault silence");
    const CtlResult result = run("upload", "unit.par");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Parameter Upload Busy...Please Wait!\nUpload was Interrupted.\n");
    EXPECT_EQ(readFile("unit.par"), "previous");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"unit.par"});
}

}  // namespace
