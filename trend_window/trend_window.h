#pragma once

#include <QWidget>
#include <string>

#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "trend/trend_feed.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace trend_window {

class TrendPlot;

struct TrendServices {
    platform::SettingsStore& settings;
    platform::MessageBoxes& messageBoxes;
    platform::FileDialogs& fileDialogs;
    std::string programTitle;  // names the settings and titles the error boxes
};

// "QM4417 Trend": a separate, resizable window over the readings the monitor takes anyway.
// It follows the feed while it exists, shown or not, and keeps its place, size and span in the
// settings ("TrendLeft", "TrendTop", "TrendWidth", "TrendHeight" in twips, "TrendSpan" in
// seconds). Its widgets are named as its members, for tests and tools that drive it.
class TrendWindow : public QWidget, public trend::TrendObserver {
    Q_OBJECT
  public:
    TrendWindow(const TrendServices& services, trend::TrendFeed& feed, QWidget* parent = nullptr);
    ~TrendWindow() override;

    // Shows the window, or raises it when it is open already.
    void open();

    // trend::TrendObserver
    void readingAdded() override;
    void recordingFailed(const std::string& path, const std::string& reason) override;

    // Pause and Resume; "Record..." and "Stop Recording"; "Save Data..."; "Save Picture...".
    void togglePause();
    void toggleRecording();
    void saveData();
    void savePicture();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void buildLayout();
    void connectHandlers();
    void restoreGeometry();
    void saveGeometry();
    void applyAxis();
    void followEvents();
    void showRecordingState();
    // The file the operator picks, with `extension` added when none was typed; empty when
    // cancelled. The dialog asks before it replaces a file.
    std::string askForFile(const std::string& filter, const std::string& extension);
    void showFileError(const std::string& path, const std::string& reason);

    TrendServices services_;
    trend::TrendFeed& feed_;
    std::uint64_t eventsListed_ = 0;  // events ever added that the list shows or showed
    std::string lastFolder_;

    QPushButton* cmdPause = nullptr;
    QComboBox* cmbSpan = nullptr;
    QCheckBox* chkUnwrap = nullptr;
    QCheckBox* chkFixedAxis = nullptr;
    QSpinBox* spnAxisLow = nullptr;
    QSpinBox* spnAxisHigh = nullptr;
    TrendPlot* picTrend = nullptr;
    QLabel* lblReadout = nullptr;
    QListWidget* lstEvents = nullptr;
    QPushButton* cmdRecord = nullptr;
    QPushButton* cmdSaveData = nullptr;
    QPushButton* cmdSavePicture = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace trend_window
