#include "trend/trend_feed.h"

#include "trend/csv_export.h"

namespace trend {

void TrendFeed::readingTaken(const unit_link::MonitorBlock& words,
                             std::chrono::system_clock::time_point arrived) {
    const Millis time =
        std::chrono::duration_cast<std::chrono::milliseconds>(arrived.time_since_epoch()).count();
    const Sample& sample = history_.add(words, time);
    events_.add(sample);
    events_.dropBefore(history_[0].time);
    std::string reason;
    if (recording_.active() && !recording_.append(CsvRowOf(sample), reason) && observer_)
        observer_->recordingFailed(recording_.path(), reason);
    if (observer_) observer_->readingAdded();
}

}  // namespace trend
