// The trend window as the operator meets it: keys, files, the plot and the settings.
#include "trend_window/trend_window.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/fakes/fake_file_dialogs.h"
#include "platform/fakes/fake_message_boxes.h"
#include "platform/fakes/fake_settings_store.h"
#include "tests/widgets/window_child.h"
#include "trend/axis_ticks.h"
#include "trend/csv_export.h"
#include "trend_window/trend_plot.h"

namespace {

namespace fs = std::filesystem;
using trend::Millis;
using trend_window::TrendPlot;
using trend_window::TrendWindow;

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

int LineCount(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class TrendWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("trend_window_" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        window.reset();
        fs::remove_all(folder);
    }

    TrendWindow& shownWindow() {
        window = std::make_unique<TrendWindow>(
            trend_window::TrendServices{settings, boxes, dialogs, "QM4417"}, feed);
        window->open();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }
    // A reading `millis` after the test's start, position `position`, sensor word `sensor`.
    void read(Millis millis, std::uint32_t position, std::int32_t sensor = 0) {
        feed.readingTaken(
            {static_cast<std::int32_t>(position & 0xFFFF),
             static_cast<std::int32_t>(position >> 16), 0, sensor},
            std::chrono::system_clock::time_point(std::chrono::milliseconds(start + millis)));
    }
    void key(int keyCode, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        static_cast<Qt::Key>(keyCode), modifiers);
    }
    TrendPlot& plot() { return *Child<TrendPlot>(*window, "picTrend"); }
    std::string stored(const std::string& key) const {
        return settings.read("QM4417", "Settings", key, "<missing>");
    }

    const Millis start = 1'796'796'300'000;
    fs::path folder;
    platform::FakeSettingsStore settings;
    platform::FakeMessageBoxes boxes;
    platform::FakeFileDialogs dialogs;
    trend::TrendFeed feed;
    std::unique_ptr<TrendWindow> window;
};

TEST_F(TrendWindowTest, OpensAsASeparateResizableWindowAndRaisesTheSameOneAgain) {
    TrendWindow& w = shownWindow();
    EXPECT_EQ(w.windowTitle(), "QM4417 Trend");
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.windowModality(), Qt::NonModal);
    EXPECT_NE(w.minimumSize(), w.maximumSize());
    w.open();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(QApplication::topLevelWidgets().count(&w), 1);
}

TEST_F(TrendWindowTest, KeepsItsPlaceSizeAndSpanInTheSettings) {
    settings.write("QM4417", "Settings", "TrendLeft", "1500");
    settings.write("QM4417", "Settings", "TrendTop", "3000");
    settings.write("QM4417", "Settings", "TrendWidth", "10500");
    settings.write("QM4417", "Settings", "TrendHeight", "7500");
    settings.write("QM4417", "Settings", "TrendSpan", "600");
    TrendWindow& w = shownWindow();
    EXPECT_EQ(w.size(), QSize(700, 500));
    EXPECT_EQ(Child<QComboBox>(w, "cmbSpan")->currentText(), "10 min");
    EXPECT_EQ(plot().span(), 600'000);
    Child<QComboBox>(w, "cmbSpan")->setCurrentIndex(3);
    w.resize(750, 450);
    w.close();
    EXPECT_EQ(stored("TrendSpan"), "3600");
    EXPECT_EQ(stored("TrendWidth"), "11250");
    EXPECT_EQ(stored("TrendHeight"), "6750");
    EXPECT_EQ(stored("TrendLeft"), std::to_string(w.x() * 15));
    EXPECT_EQ(stored("TrendTop"), std::to_string(w.y() * 15));
}

TEST_F(TrendWindowTest, UnreadableSettingsGiveTheDefaults) {
    settings.write("QM4417", "Settings", "TrendWidth", "wide");
    settings.write("QM4417", "Settings", "TrendSpan", "7");
    TrendWindow& w = shownWindow();
    EXPECT_EQ(w.size(), QSize(800, 560));
    EXPECT_EQ(Child<QComboBox>(w, "cmbSpan")->currentText(), "1 min");
}

TEST_F(TrendWindowTest, SpacePausesTheViewWhileReadingsAreStillKept) {
    shownWindow();
    read(0, 100);
    read(100, 200);
    key(Qt::Key_Space);
    EXPECT_TRUE(plot().paused());
    EXPECT_EQ(Child<QPushButton>(*window, "cmdPause")->text(), "Resume");
    read(200, 300);
    EXPECT_EQ(plot().viewEnd(), start + 100);
    EXPECT_EQ(feed.history().size(), 3u);
    key(Qt::Key_Space);
    EXPECT_FALSE(plot().paused());
    EXPECT_EQ(plot().viewEnd(), start + 200);
}

TEST_F(TrendWindowTest, CtrlSSavesTheReadingsInViewInTheMonitorsCsvForm) {
    shownWindow();
    for (int i = 0; i < 700; ++i) read(i * 100, static_cast<std::uint32_t>(i));  // 70 s
    const fs::path path = folder / "view";
    dialogs.choose(path.string());
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].saving);
    EXPECT_TRUE(dialogs.shown[0].settings.confirmReplace);
    // ".csv" added to a name typed without one; the last minute of readings, 601 rows.
    const std::string text = Contents(folder / "view.csv");
    EXPECT_EQ(text, trend::CsvOfSpan(feed.history(), start + 9'900, start + 69'900));
    EXPECT_EQ(LineCount(text), 602);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TrendWindowTest, AFileThatCannotBeSavedSaysWhyAndLeavesNothing) {
    shownWindow();
    read(0, 1);
    const fs::path path = folder / "no such folder" / "view.csv";
    dialogs.choose(path.string());
    key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
    EXPECT_EQ(boxes.shown[0].icon, platform::MessageIcon::Stop);
    EXPECT_NE(boxes.shown[0].text.find(path.string()), std::string::npos) << boxes.shown[0].text;
    EXPECT_NE(boxes.shown[0].text.find("\r\n"), std::string::npos);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(TrendWindowTest, CtrlShiftSSavesThePlotAsPng) {
    shownWindow();
    read(0, 1);
    read(100, 2);
    dialogs.choose((folder / "plot.png").string());
    key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    const QImage saved(QString::fromStdString((folder / "plot.png").string()));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), plot().size() * plot().devicePixelRatio());
}

TEST_F(TrendWindowTest, CtrlRRecordsEveryReadingAsItComesUntilStopped) {
    TrendWindow& w = shownWindow();
    read(0, 1);
    const fs::path path = folder / "run.csv";
    dialogs.choose(path.string());
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(dialogs.shown.at(0).settings.confirmReplace);
    EXPECT_EQ(Child<QPushButton>(w, "cmdRecord")->text(), "Stop Recording");
    read(100, 2);
    EXPECT_EQ(LineCount(Contents(path)), 2);
    read(200, 3);
    EXPECT_EQ(Contents(path), "time,position,hex,unit_errors,sensor_errors\n" +
                                  trend::CsvRowOf(feed.history()[1]) + "\n" +
                                  trend::CsvRowOf(feed.history()[2]) + "\n");
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(Child<QPushButton>(w, "cmdRecord")->text(), "Record...");
    read(300, 4);
    EXPECT_EQ(LineCount(Contents(path)), 3);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(TrendWindowTest, EscapeClosesTheWindowAndEndsItsRecording) {
    TrendWindow& w = shownWindow();
    dialogs.choose((folder / "run.csv").string());
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(feed.recording().active());
    key(Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(feed.recording().active());
    // Readings are still kept for the next opening.
    read(0, 5);
    EXPECT_EQ(feed.history().size(), 1u);
}

TEST_F(TrendWindowTest, ARecordingThatCannotBeWrittenSaysWhyAndStops) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TrendWindow& w = shownWindow();
    // A file on a device with no room left.
    fs::create_symlink("/dev/full", folder / "full.csv");
    dialogs.choose((folder / "full.csv").string());
    key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "QM4417 Error!");
    EXPECT_NE(boxes.shown[0].text.find("No space left on device"), std::string::npos);
    EXPECT_EQ(Child<QPushButton>(w, "cmdRecord")->text(), "Record...");
    EXPECT_FALSE(feed.recording().active());
}

TEST_F(TrendWindowTest, TabReachesEveryControl) {
    TrendWindow& w = shownWindow();
    Child<QCheckBox>(w, "chkFixedAxis")->setChecked(true);  // enables the two bounds
    const QStringList controls{"cmdPause",    "cmbSpan",        "chkUnwrap", "chkFixedAxis",
                               "spnAxisLow",  "spnAxisHigh",    "lstEvents", "cmdRecord",
                               "cmdSaveData", "cmdSavePicture", "cmdClose"};
    Child<QPushButton>(w, "cmdPause")->setFocus();
    QStringList reached;
    for (int i = 0; i < controls.size() + 2; ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        // A spin box's focus sits in its line edit.
        QWidget* control =
            qobject_cast<QSpinBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
        if (!reached.contains(control->objectName())) reached << control->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (const QString& name : controls) EXPECT_TRUE(reached.contains(name)) << name.toStdString();
}

TEST_F(TrendWindowTest, EveryLampChangeIsALineOfTheEventList) {
    TrendWindow& w = shownWindow();
    read(0, 1);
    read(100, 1, 0x10);  // lit for one reading
    read(200, 1);
    auto* list = Child<QListWidget>(w, "lstEvents");
    ASSERT_EQ(list->count(), 2);
    const Millis offset = trend::LocalUtcOffset(start);
    EXPECT_EQ(list->item(0)->text().toStdString(),
              trend::ClockText(start + 100, offset) + "  Sensor Data Error  on");
    EXPECT_EQ(list->item(1)->text().toStdString(),
              trend::ClockText(start + 200, offset) + "  Sensor Data Error  off");
}

TEST_F(TrendWindowTest, TheCursorReadsTheNearestReadingAndAClickSetsTheReference) {
    TrendWindow& w = shownWindow();
    for (int i = 0; i <= 600; ++i) read(i * 100, static_cast<std::uint32_t>(1000 + i * 10));
    TrendPlot& p = plot();
    const QRect area = p.plotArea();
    const QPoint quarter(area.left() + area.width() / 4, area.center().y());
    const QPoint end(area.right(), area.center().y());
    QTest::mouseMove(&p, quarter);
    const QString readout = Child<QLabel>(w, "lblReadout")->text();
    EXPECT_TRUE(readout.contains(" DEC  ")) << readout.toStdString();
    EXPECT_FALSE(readout.contains("from reference"));
    QTest::mouseClick(&p, Qt::LeftButton, {}, quarter);
    ASSERT_TRUE(p.reference().has_value());
    QTest::mouseMove(&p, end);
    // 100 counts a second, whichever readings the two points fell on.
    EXPECT_TRUE(Child<QLabel>(w, "lblReadout")->text().contains("= +100.0 counts/s"))
        << Child<QLabel>(w, "lblReadout")->text().toStdString();
}

// Whether the trace's colour is in column x of the plot's picture.
bool TraceIn(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == QColor(0, 70, 160)) return true;
    return false;
}

TEST_F(TrendWindowTest, AGapIsLeftEmptyAndAWrapIsDrawnAsAJump) {
    TrendWindow& w = shownWindow();
    w.resize(900, 600);
    for (int i = 0; i < 100; ++i) read(i * 100, 0xFFFF00 + static_cast<std::uint32_t>(i) * 4);
    feed.readingsInterrupted();  // the 20 s to 30 s stretch: the switch off
    for (int i = 300; i <= 600; ++i) read(i * 100, static_cast<std::uint32_t>(i) * 4);
    TrendPlot& p = plot();
    const QImage image = p.grab().toImage();
    const QRect area = p.plotArea();
    const auto column = [&](Millis millis) {
        return area.left() + static_cast<int>((millis - 0) * area.width() / 60'001);
    };
    EXPECT_TRUE(TraceIn(image, column(5'000)));
    EXPECT_FALSE(TraceIn(image, column(15'000)));  // the gap
    EXPECT_FALSE(TraceIn(image, column(25'000)));
    EXPECT_TRUE(TraceIn(image, column(45'000)));
    // The axis follows the data: both ends of the 24-bit range are in view.
    EXPECT_LT(p.shownRange().low, 1200);
    EXPECT_GT(p.shownRange().high, 0xFFFF00);
    Child<QCheckBox>(w, "chkUnwrap")->setChecked(true);
    p.grab();
    EXPECT_GT(p.shownRange().low, 0xFFFE00);
}

TEST_F(TrendWindowTest, AFixedAxisStaysWhereItWasSet) {
    TrendWindow& w = shownWindow();
    read(0, 500);
    read(100, 600);
    plot().grab();
    Child<QCheckBox>(w, "chkFixedAxis")->setChecked(true);
    Child<QSpinBox>(w, "spnAxisLow")->setValue(0);
    Child<QSpinBox>(w, "spnAxisHigh")->setValue(10'000);
    read(200, 90'000);
    plot().grab();
    EXPECT_EQ(plot().shownRange(), (trend::ValueRange{0, 10'000}));
}

}  // namespace
