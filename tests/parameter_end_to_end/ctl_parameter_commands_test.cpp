// qm4417ctl load and upload against the simulated unit: the words the unit receives,
// the texts printed, and the files written.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <atomic>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "tests/end_to_end/sim_fixture.h"
#include "tests/parameter_end_to_end/received_requests.h"
#include "tools/qm4417ctl/run_ctl.h"

namespace {

// A unit on a pseudo-terminal that answers every request with a block read reply of two
// words and nothing else, for the short replies a noisy line can cut.
class TwoWordUnit {
  public:
    TwoWordUnit() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            throw std::runtime_error("no pseudo-terminal");
        devicePath_ = ptsname(master_);
        thread_ = std::thread([this] { serve(); });
    }
    ~TwoWordUnit() {
        stop_ = true;
        thread_.join();
        close(master_);
    }
    const std::string& devicePath() const { return devicePath_; }

  private:
    void serve() {
        pollfd ready{master_, POLLIN, 0};
        while (!stop_) {
            if (poll(&ready, 1, 20) <= 0 || !(ready.revents & POLLIN)) continue;
            char byte = 0;
            if (read(master_, &byte, 1) != 1) continue;
            if (byte != '\x03') continue;  // the request's ETX
            const std::string reply =
                "\x02"
                "R00000000000"
                "0001"
                "0002"
                ";"
                "00"
                "\x03";
            if (write(master_, reply.data(), reply.size()) < 0) return;
        }
    }

    int master_ = -1;
    std::string devicePath_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

struct CtlResult {
    int exitCode;
    std::string out;
    std::string err;
};

class CtlParameters : public end_to_end::SimulatedUnitTest {
  protected:
    CtlResult run(const std::string& command, const std::string& file) {
        return runOnUnit({command, path(file)});
    }
    CtlResult runOnUnit(std::vector<std::string> command) {
        command.insert(command.begin(), {"--port", unit.devicePath(), "--line", end_to_end::Line});
        std::ostringstream out, err;
        const int code = qm4417ctl::RunCtl(command, settings, out, err, interrupted);
        return {code, out.str(), err.str()};
    }
    void setUnitParameters(const std::array<std::uint16_t, 7>& words) {
        unit.withUnit([&](unit_sim::SimulatedUnit& simulated, auto) {
            for (int i = 0; i < 7; ++i) simulated.memory().write(0xFFEF2E + 2 * i, words[i]);
        });
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
    EXPECT_EQ(result.out,
              "Parameter Load Busy...Please Wait!\nLoad was Complated.\nLoad commparate.\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(control("peek FFEF34"), "0x01F4");
}

TEST_F(CtlParameters, LoadRefusesWhatTheWindowWouldBeforeSendingAnything) {
    writeFile("phase.par", "0\r\n0\r\n2\r\n2001\r\n1\r\n0\r\n0\r\n");
    writeFile("short.par", "0\r\n0\r\n2\r\n1000\r\n");
    const CtlResult phase = run("load", "phase.par");
    EXPECT_EQ(phase.exitCode, 1);
    EXPECT_EQ(phase.err, "PhaseCount 2001 is outside 0 to 2000\n");
    // The reason stands under the window's text.
    const CtlResult missing = run("load", "short.par");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(
        missing.err,
        path("short.par") + " Can't Read Parameter File\nIt holds 4 lines where 7 are needed.\n");
    EXPECT_TRUE(received().empty());
}

TEST_F(CtlParameters, LoadRefusesEveryFieldOutsideTheTableNamingItsValue) {
    writeFile("all.par", "2\r\n-1\r\n99\r\n-3\r\n7\r\n256\r\n-1\r\n");
    writeFile("strobe.par", "0\r\n0\r\n-3\r\n1000\r\n1\r\n0\r\n0\r\n");
    const CtlResult all = run("load", "all.par");
    EXPECT_EQ(all.exitCode, 1);
    EXPECT_EQ(all.out, "");
    EXPECT_EQ(all.err,
              "Code 2 is not 0 or 1\n"
              "Dir -1 is not 0 or 1\n"
              "StrobeCycle 99 is not 2, 5 or 10\n"
              "PhaseCount -3 is outside 0 to 2000\n"
              "SensorType 7 is outside 0 to 3\n"
              "PresetDataHigh 256 is outside 0 to 255\n"
              "PresetDataLow -1 is outside 0 to 65535\n");
    EXPECT_EQ(run("load", "strobe.par").err, "StrobeCycle -3 is not 2, 5 or 10\n");
    EXPECT_TRUE(received().empty());
}

TEST_F(CtlParameters, LoadRawSendsTheSevenWordsAsTheyStand) {
    writeFile("raw.par", "2\r\n-1\r\n99\r\n-3\r\n7\r\n256\r\n65535\r\n");
    const CtlResult result = runOnUnit({"load", "--raw", path("raw.par")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(received(), (std::vector<std::string>{
                              "2FFEF2E,0002;", "2FFEF30,FFFF;", "2FFEF32,0063;", "2FFEF34,FFFD;",
                              "2FFEF36,0007;", "2FFEF38,0100;", "2FFEF3A,FFFF;", "2FFEF66,0001;"}));
    EXPECT_EQ(result.out,
              "Parameter Load Busy...Please Wait!\nLoad was Complated.\nLoad commparate.\n");
    EXPECT_EQ(runOnUnit({"verify", "--raw", path("raw.par")}).exitCode, 0);

    // A value that is no 16-bit word would arrive as another one.
    writeFile("wide.par", "0\r\n0\r\n2\r\n70000\r\n1\r\n0\r\n-32769\r\n");
    const std::size_t before = received().size();
    const CtlResult wide = runOnUnit({"load", "--raw", path("wide.par")});
    EXPECT_EQ(wide.exitCode, 1);
    EXPECT_EQ(wide.err,
              "PhaseCount 70000 is not a 16-bit word\n"
              "PresetDataLow -32769 is not a 16-bit word\n");
    EXPECT_EQ(received().size(), before);
    EXPECT_EQ(runOnUnit({"load", "--raw"}).exitCode, 2);
}

TEST_F(CtlParameters, VerifyAfterLoadAgreesAndNamesAFieldChangedSince) {
    writeFile("unit.par", "1\r\n1\r\n10\r\n500\r\n3\r\n18\r\n13398\r\n");
    ASSERT_EQ(run("load", "unit.par").exitCode, 0);
    const std::size_t loadRequests = received().size();
    const CtlResult same = run("verify", "unit.par");
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
    EXPECT_EQ(same.err, "");
    // One block read of the seven words, nothing written.
    const auto requests = received();
    EXPECT_EQ(std::vector<std::string>(requests.begin() + loadRequests, requests.end()),
              std::vector<std::string>{"4FFEF2E;7;"});

    ASSERT_EQ(runOnUnit({"write", "FFEF34", "501"}).exitCode, 0);
    ASSERT_EQ(runOnUnit({"write", "FFEF3A", "0"}).exitCode, 0);
    const CtlResult changed = run("verify", "unit.par");
    EXPECT_EQ(changed.exitCode, 3);
    EXPECT_EQ(changed.out, "PhaseCount file=500 unit=501\nPresetDataLow file=13398 unit=0\n");
    EXPECT_EQ(changed.err, "");
}

TEST_F(CtlParameters, VerifyComparesWithWhatLoadWouldSend) {
    // A strobe cycle of 7 and a code of 5 are refused as load refuses them; --raw takes them.
    writeFile("unit.par", "5\r\n0\r\n7\r\n1000\r\n0\r\n0\r\n0\r\n");
    setUnitParameters({5, 0, 7, 1000, 0, 0, 0});
    const CtlResult checked = run("verify", "unit.par");
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_EQ(checked.err, "Code 5 is not 0 or 1\nStrobeCycle 7 is not 2, 5 or 10\n");
    EXPECT_EQ(runOnUnit({"verify", "--raw", path("unit.par")}).exitCode, 0);
    setUnitParameters({1, 0, 7, 1000, 0, 0, 0});
    const CtlResult code = runOnUnit({"verify", "--raw", path("unit.par")});
    EXPECT_EQ(code.exitCode, 3);
    EXPECT_EQ(code.out, "Code file=5 unit=1\n");
}

TEST_F(CtlParameters, VerifyFailsOnTheLinkOrTheFile) {
    writeFile("unit.par", "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n");
    writeFile("sensor.par", "0\r\n0\r\n2\r\n1000\r\n9\r\n0\r\n0\r\n");
    const CtlResult refused = run("verify", "sensor.par");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "SensorType 9 is outside 0 to 3\n");
    const CtlResult missing = run("verify", "none.par");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err,
              path("none.par") + " Can't Read Parameter File\nThere is no such file.\n");
    EXPECT_TRUE(received().empty());
    control("fault silence");
    const CtlResult silent = run("verify", "unit.par");
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_EQ(silent.out, "");
    EXPECT_NE(silent.err.find("Communication Time Out!"), std::string::npos) << silent.err;
}

TEST_F(CtlParameters, LoadStopsAtTheFirstRefusedWord) {
    writeFile("unit.par", "0\r\n0\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n");
    control("fault nak 1");
    const CtlResult result = run("load", "unit.par");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(received().size(), 1u);
    EXPECT_EQ(result.out, "Parameter Load Busy...Please Wait!\n");
    EXPECT_NE(result.err.find("Load was Interrupted.\nLoad Error\n"), std::string::npos)
        << result.err;
}

TEST_F(CtlParameters, UploadWritesTheUnitsWordsAsRead) {
    // Code 5 would come back from the window's panel as 1; the file keeps the unit's 5.
    setUnitParameters({5, 1, 10, 500, 3, 0x01, 0x2345});
    const CtlResult result = run("upload", "unit.par");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(received(), std::vector<std::string>{"4FFEF2E;7;"});
    EXPECT_EQ(result.out, "Parameter Upload Busy...Please Wait!\nUpload was Complated.\n");
    EXPECT_EQ(result.err, "warning: Code 5 is not 0 or 1\n");
    EXPECT_EQ(readFile("unit.par"), "5\r\n1\r\n10\r\n500\r\n3\r\n1\r\n9029\r\n");
}

TEST_F(CtlParameters, UploadKeepsValuesOutsideTheTableAndWarnsAFieldEach) {
    setUnitParameters({5, 0, 3, 2001, 7, 256, 0xFFFF});
    const CtlResult result = run("upload", "unit.par");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Parameter Upload Busy...Please Wait!\nUpload was Complated.\n");
    EXPECT_EQ(result.err,
              "warning: Code 5 is not 0 or 1\n"
              "warning: StrobeCycle 3 is not 2, 5 or 10\n"
              "warning: PhaseCount 2001 is outside 0 to 2000\n"
              "warning: SensorType 7 is outside 0 to 3\n"
              "warning: PresetDataHigh 256 is outside 0 to 255\n");
    EXPECT_EQ(readFile("unit.par"), "5\r\n0\r\n3\r\n2001\r\n7\r\n256\r\n65535\r\n");
}

TEST_F(CtlParameters, UploadToAFileItCannotWriteSaysNoSuccess) {
    const CtlResult result = run("upload", "missing/unit.par");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Parameter Upload Busy...Please Wait!\n");
    EXPECT_EQ(result.err, path("missing/unit.par") + " Can't Write Parameter File\nThe folder " +
                              path("missing") + " does not exist.\n");
}

TEST_F(CtlParameters, FailedUploadKeepsThePreviousFile) {
    writeFile("unit.par", "previous");
    control("fault silence");
    const CtlResult result = run("upload", "unit.par");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Parameter Upload Busy...Please Wait!\n");
    EXPECT_NE(result.err.find("Upload was Interrupted.\n"), std::string::npos) << result.err;
    EXPECT_EQ(readFile("unit.par"), "previous");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"unit.par"});
}

TEST_F(CtlParameters, AShortReplyWritesNoFileAndVerifiesNothing) {
    TwoWordUnit shortUnit;
    writeFile("unit.par", "previous");
    writeFile("same.par", "1\r\n1\r\n2\r\n1000\r\n1\r\n0\r\n0\r\n");
    const auto runOnShortUnit = [&](const std::string& command, const std::string& file) {
        std::ostringstream out, err;
        const int code = qm4417ctl::RunCtl(
            {"--port", shortUnit.devicePath(), "--line", end_to_end::Line, command, path(file)},
            settings, out, err, interrupted);
        return CtlResult{code, out.str(), err.str()};
    };
    const CtlResult upload = runOnShortUnit("upload", "unit.par");
    EXPECT_EQ(upload.exitCode, 1);
    EXPECT_EQ(upload.err, "The unit sent fewer words than asked for\n");
    EXPECT_EQ(readFile("unit.par"), "previous");
    const CtlResult verify = runOnShortUnit("verify", "same.par");
    EXPECT_EQ(verify.exitCode, 1);
    EXPECT_EQ(verify.out, "");
    EXPECT_EQ(verify.err, "The unit sent fewer words than asked for\n");
}

}  // namespace
