// The trend's CSV: the form of qm4417ctl monitor --csv, saved whole or recorded row by row.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "trend/csv_export.h"
#include "trend/csv_recording.h"
#include "trend/trend_feed.h"
#include "unit_link/monitor_csv.h"

namespace trend {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;
using std::chrono::system_clock;

system_clock::time_point At(Millis millis) {
    return system_clock::time_point(milliseconds(millis));
}

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class TrendCsvTest : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("trend_csv_" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(TrendCsvTest, RowsAreThoseOfTheMonitorCommand) {
    ReadingHistory history;
    const unit_link::MonitorBlock words{0x3456, 0xAB12, 5, 0x30};
    history.add(words, 1'796'796'301'007);
    EXPECT_EQ(CsvRowOf(history[0]), unit_link::MonitorCsvRow(unit_link::DecodeMonitorBlock(words),
                                                             At(1'796'796'301'007)));
}

TEST_F(TrendCsvTest, ASpanIsTheHeaderAndTheReadingsInsideIt) {
    ReadingHistory history;
    for (int i = 0; i < 5; ++i) history.add({i, 0, 0, 0}, 1'796'796'301'000 + i * 100);
    EXPECT_EQ(CsvOfSpan(history, 1'796'796'301'100, 1'796'796'301'300),
              "time,position,hex,unit_errors,sensor_errors\n"
              "2026-12-09T06:05:01.100Z,1,000001,0x0000,0x0000\n"
              "2026-12-09T06:05:01.200Z,2,000002,0x0000,0x0000\n"
              "2026-12-09T06:05:01.300Z,3,000003,0x0000,0x0000\n");
}

TEST_F(TrendCsvTest, ACommaDecimalLocaleWritesTheSameRows) {
    ReadingHistory history;
    history.add({0x3456, 0x0012, 5, 0x1F}, 1'796'796'301'007);
    const std::string inC = CsvOfSpan(history, 0, 1'796'796'301'007);
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
    const std::string inGerman = CsvOfSpan(history, 0, 1'796'796'301'007);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(inGerman, inC);
}

TEST_F(TrendCsvTest, ARecordingHoldsEveryRowAsSoonAsItIsWritten) {
    const fs::path path = folder / "run.csv";
    std::ofstream(path) << "an older file\nwith lines\n";
    CsvRecording recording;
    std::string reason;
    ASSERT_TRUE(recording.start(path.string(), reason)) << reason;
    EXPECT_EQ(Contents(path), "time,position,hex,unit_errors,sensor_errors\n");
    ASSERT_TRUE(recording.append("row one", reason));
    // On disk before the next row comes, with the recording still open.
    EXPECT_EQ(Contents(path), "time,position,hex,unit_errors,sensor_errors\nrow one\n");
    recording.stop();
    EXPECT_FALSE(recording.active());
    EXPECT_FALSE(recording.append("row two", reason));
}

TEST_F(TrendCsvTest, AFileThatCannotBeMadeSaysWhy) {
    CsvRecording recording;
    std::string reason;
    EXPECT_FALSE(recording.start((folder / "missing" / "run.csv").string(), reason));
    EXPECT_NE(reason.find("No such file or directory"), std::string::npos) << reason;
    EXPECT_FALSE(recording.active());
}

TEST_F(TrendCsvTest, AFullDeviceStopsTheRecordingWithItsReason) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    CsvRecording recording;
    std::string reason;
    EXPECT_FALSE(recording.start("/dev/full", reason));
    EXPECT_NE(reason.find("No space left on device"), std::string::npos) << reason;
    EXPECT_FALSE(recording.active());
}

// The feed as the monitor drives it.
class Observer : public TrendObserver {
  public:
    void readingAdded() override { ++readings; }
    void recordingFailed(const std::string& path, const std::string& reason) override {
        failures.push_back(path + ": " + reason);
    }
    int readings = 0;
    std::vector<std::string> failures;
};

TEST_F(TrendCsvTest, TheFeedKeepsRecordsAndReportsEachReading) {
    TrendFeed feed(3);
    Observer observer;
    feed.setObserver(&observer);
    const fs::path path = folder / "feed.csv";
    std::string reason;
    feed.readingTaken({1, 0, 0, 0}, At(1'796'796'301'000));
    ASSERT_TRUE(feed.recording().start(path.string(), reason));
    feed.readingTaken({2, 0, 0, 0x10}, At(1'796'796'301'100));
    feed.readingsInterrupted();
    feed.readingTaken({3, 0, 0, 0}, At(1'796'796'305'000));
    EXPECT_EQ(observer.readings, 3);
    EXPECT_EQ(feed.history().size(), 3u);
    EXPECT_TRUE(feed.history()[2].startsRun);
    EXPECT_EQ(feed.events().events().size(), 2u);
    EXPECT_EQ(Contents(path),
              "time,position,hex,unit_errors,sensor_errors\n"
              "2026-12-09T06:05:01.100Z,2,000002,0x0000,0x0010\n"
              "2026-12-09T06:05:05.000Z,3,000003,0x0000,0x0000\n");
    // Events of readings that dropped out of the history go with them.
    feed.readingTaken({4, 0, 0, 0}, At(1'796'796'306'000));
    EXPECT_EQ(feed.events().events().size(), 2u);
    feed.readingTaken({5, 0, 0, 0}, At(1'796'796'307'000));
    EXPECT_EQ(feed.events().events(), (std::deque<LampEvent>{{1'796'796'305'000, 7, false}}));
    EXPECT_TRUE(observer.failures.empty());
}

}  // namespace
}  // namespace trend
