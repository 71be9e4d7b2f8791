#pragma once

#include <QWidget>
#include <optional>

#include "trend/column_decimation.h"
#include "trend/reading_history.h"

namespace trend {
class LampEventLog;
}  // namespace trend

namespace trend_window {

// The position against time: min/max per screen column, round-step axes on the local clock,
// lamp events as markers on the time axis, the cursor and a reference point. It draws what the
// history holds; the window decides the span, pause, wrap rule and count axis.
class TrendPlot : public QWidget {
    Q_OBJECT
  public:
    TrendPlot(const trend::ReadingHistory& history, const trend::LampEventLog& events,
              QWidget* parent = nullptr);

    void setSpan(trend::Millis span);
    trend::Millis span() const { return span_; }
    // Paused, the view stays where it is while readings go on being kept.
    void setPaused(bool paused);
    bool paused() const { return pausedEnd_.has_value(); }
    void setUnwrap(bool unwrap);
    bool unwrap() const { return unwrap_; }
    // A fixed count axis, or none to follow the data.
    void setFixedRange(std::optional<trend::ValueRange> range);
    // The counts the axis showed at the last paint.
    trend::ValueRange shownRange() const { return shownRange_; }

    // The span in view: it ends at the newest reading, or where the pause froze it.
    trend::Millis viewEnd() const;
    trend::Millis viewStart() const { return viewEnd() - span_; }
    // The drawing area inside the axes.
    QRect plotArea() const;

    // The reading under a point of the widget, if there is one in view.
    std::optional<trend::Sample> sampleAt(QPoint point) const;
    const std::optional<trend::Sample>& reference() const { return reference_; }
    void clearReference();
    // A reading came: draws again when it is due (always when a lamp changed), and tells what
    // the cursor now points at.
    void readingAdded(bool lampChanged);

  Q_SIGNALS:
    // What the cursor points at, empty when it points at nothing.
    void readoutChanged(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void showReadout();

    const trend::ReadingHistory& history_;
    const trend::LampEventLog& events_;
    trend::Millis span_ = 60'000;
    std::optional<trend::Millis> pausedEnd_;
    bool unwrap_ = false;
    std::optional<trend::ValueRange> fixedRange_;
    trend::ValueRange shownRange_;
    std::optional<trend::Sample> reference_;
    std::optional<QPoint> cursor_;
    trend::Millis drawnEnd_ = 0;  // where the last drawing's view ended
};

}  // namespace trend_window
