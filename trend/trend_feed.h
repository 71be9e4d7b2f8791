#pragma once

#include <string>

#include "trend/csv_recording.h"
#include "trend/lamp_events.h"
#include "trend/reading_history.h"
#include "unit_link/monitor_listener.h"

namespace trend {

// What a trend view hears from the feed.
class TrendObserver {
  public:
    virtual ~TrendObserver() = default;
    // A reading was kept (and recorded, when recording).
    virtual void readingAdded() = 0;
    // Recording stopped because the file could not be written.
    virtual void recordingFailed(const std::string& path, const std::string& reason) = 0;
};

// The monitor's listener for the trend: keeps the last hour of readings and their lamp
// events, and writes each reading to the recording as it comes, whether a view is open or not.
class TrendFeed : public unit_link::MonitorListener {
  public:
    explicit TrendFeed(std::size_t capacity = ReadingHistory::HourOfReadings)
        : history_(capacity) {}

    void readingTaken(const unit_link::MonitorBlock& words,
                      std::chrono::system_clock::time_point arrived) override;
    void readingsInterrupted() override { history_.interrupt(); }

    void setObserver(TrendObserver* observer) { observer_ = observer; }
    const ReadingHistory& history() const { return history_; }
    const LampEventLog& events() const { return events_; }
    CsvRecording& recording() { return recording_; }

  private:
    ReadingHistory history_;
    LampEventLog events_;
    CsvRecording recording_;
    TrendObserver* observer_ = nullptr;
};

}  // namespace trend
