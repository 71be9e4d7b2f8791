#include "trend_window/trend_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <chrono>
#include <vector>

#include "trend/axis_ticks.h"
#include "trend/lamp_events.h"
#include "trend/readout.h"

namespace trend_window {

namespace {

constexpr int CountLabelWidth = 76;
constexpr int TimeLabelHeight = 22;
constexpr int Margin = 8;
constexpr int MarkerSize = 6;
constexpr int MinTimeTickSpacing = 90;
constexpr int MinCountTickSpacing = 28;

const QColor Trace(0, 70, 160);
const QColor Grid(222, 226, 232);
const QColor EventOn(220, 0, 0);
const QColor EventOff(60, 60, 60);

trend::Millis WallClockNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A range with room around it; a flat one is opened up so that its line sits mid-height.
trend::ValueRange Padded(trend::ValueRange range) {
    const std::int64_t room = std::max<std::int64_t>((range.high - range.low) / 20, 5);
    return {range.low - room, range.high + room};
}

// Maps times and counts onto the drawing area.
class Scale {
  public:
    Scale(QRect area, trend::Millis from, trend::Millis span, trend::ValueRange range)
        : area_(area), from_(from), span_(span), range_(range) {}
    int x(trend::Millis time) const {
        return area_.left() + static_cast<int>((time - from_) * area_.width() / span_);
    }
    int y(std::int64_t value) const {
        const double share =
            static_cast<double>(value - range_.low) /
            static_cast<double>(std::max<std::int64_t>(1, range_.high - range_.low));
        return area_.bottom() - static_cast<int>(share * (area_.height() - 1) + 0.5);
    }
    trend::Millis time(int x) const {
        return from_ + static_cast<trend::Millis>(x - area_.left()) * span_ / area_.width();
    }

  private:
    QRect area_;
    trend::Millis from_;
    trend::Millis span_;
    trend::ValueRange range_;
};

}  // namespace

TrendPlot::TrendPlot(const trend::ReadingHistory& history, const trend::LampEventLog& events,
                     QWidget* parent)
    : QWidget(parent), history_(history), events_(events) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 160);
    setCursor(Qt::CrossCursor);
}

void TrendPlot::setSpan(trend::Millis span) {
    span_ = std::max<trend::Millis>(span, 1);
    update();
}

void TrendPlot::setPaused(bool paused) {
    if (paused == this->paused()) return;
    pausedEnd_ = paused ? std::optional(viewEnd()) : std::nullopt;
    update();
}

void TrendPlot::setUnwrap(bool unwrap) {
    unwrap_ = unwrap;
    update();
}

void TrendPlot::setFixedRange(std::optional<trend::ValueRange> range) {
    fixedRange_ = range;
    update();
}

void TrendPlot::clearReference() {
    reference_.reset();
    showReadout();
    update();
}

void TrendPlot::readingAdded(bool lampChanged) {
    if (paused()) return;
    if (trend::RedrawDue(viewEnd() - drawnEnd_, plotArea().width(), span_, lampChanged)) update();
    if (cursor_) showReadout();
}

trend::Millis TrendPlot::viewEnd() const {
    if (pausedEnd_) return *pausedEnd_;
    return history_.empty() ? WallClockNow() : history_.newest().time;
}

QRect TrendPlot::plotArea() const {
    return QRect(CountLabelWidth, Margin, std::max(1, width() - CountLabelWidth - Margin),
                 std::max(1, height() - Margin - TimeLabelHeight - MarkerSize));
}

std::optional<trend::Sample> TrendPlot::sampleAt(QPoint point) const {
    const QRect area = plotArea();
    if (history_.empty() || !area.contains(point)) return std::nullopt;
    const trend::Millis from = viewStart();
    const Scale scale(area, from, span_ + 1, shownRange_);
    const trend::Sample& sample = history_[history_.nearest(scale.time(point.x()))];
    if (sample.time < from || sample.time > viewEnd()) return std::nullopt;
    return sample;
}

void TrendPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect area = plotArea();
    painter.fillRect(area, Qt::white);

    const trend::Millis end = viewEnd();
    const trend::Millis from = end - span_;
    drawnEnd_ = end;
    // One past the end, so that the newest reading is in view.
    const std::vector<trend::Column> columns =
        trend::DecimateToColumns(history_, from, end + 1, area.width(), unwrap_);
    shownRange_ = fixedRange_ ? *fixedRange_ : Padded(trend::RangeOf(columns));
    const Scale scale(area, from, span_ + 1, shownRange_);
    const QFontMetrics metrics = painter.fontMetrics();

    // Count axis: grid lines and labels on round steps.
    for (const trend::AxisTick& tick :
         trend::CountTicks(shownRange_.low, shownRange_.high, area.height(), MinCountTickSpacing)) {
        const int y = scale.y(tick.value);
        painter.setPen(Grid);
        painter.drawLine(area.left(), y, area.right(), y);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, y - metrics.height() / 2, CountLabelWidth - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(tick.label));
    }
    // Time axis on the local clock.
    const trend::Millis offset = trend::LocalUtcOffset(end);
    const int labelTop = area.bottom() + MarkerSize + 3;
    for (const trend::AxisTick& tick :
         trend::TimeTicks(from, end, area.width(), MinTimeTickSpacing, offset)) {
        const int x = scale.x(tick.value);
        painter.setPen(Grid);
        painter.drawLine(x, area.top(), x, area.bottom());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(
            QRect(x - MinTimeTickSpacing / 2, labelTop, MinTimeTickSpacing, metrics.height()),
            Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(tick.label));
    }

    // The readings: a stroke low to high per column, joined to the column before unless a gap
    // lies between.
    std::vector<QLine> strokes;
    strokes.reserve(columns.size() * 2);
    const trend::Column* previous = nullptr;
    for (const trend::Column& column : columns) {
        const int x = area.left() + column.x;
        if (previous && column.joined)
            strokes.emplace_back(area.left() + previous->x, scale.y(previous->last), x,
                                 scale.y(column.first));
        strokes.emplace_back(x, scale.y(column.low), x, scale.y(column.high));
        previous = &column;
    }
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(Trace, 1));
    painter.drawLines(strokes.data(), static_cast<int>(strokes.size()));

    if (reference_ && reference_->time >= from && reference_->time <= end) {
        const QPoint at(scale.x(reference_->time),
                        scale.y(trend::PlottedValue(*reference_, unwrap_)));
        painter.setPen(QPen(QColor(0, 140, 0), 2));
        painter.drawEllipse(at, 4, 4);
    }
    if (cursor_ && area.contains(*cursor_)) {
        painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
        painter.drawLine(cursor_->x(), area.top(), cursor_->x(), area.bottom());
    }
    painter.restore();

    // Lamp events on the time axis: red when a lamp went on, dark grey when it went off.
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(area.left(), area.bottom() + 1, area.right(), area.bottom() + 1);
    for (const trend::LampEvent& event : events_.events()) {
        if (event.time < from || event.time > end) continue;
        const int x = scale.x(event.time);
        const QPoint triangle[3] = {{x, area.bottom() + 1},
                                    {x - MarkerSize, area.bottom() + 1 + MarkerSize},
                                    {x + MarkerSize, area.bottom() + 1 + MarkerSize}};
        painter.setPen(event.on ? EventOn : EventOff);
        painter.setBrush(event.on ? EventOn : EventOff);
        painter.drawPolygon(triangle, 3);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void TrendPlot::showReadout() {
    const std::optional<trend::Sample> sample = cursor_ ? sampleAt(*cursor_) : std::nullopt;
    if (!sample) {
        Q_EMIT readoutChanged({});
        return;
    }
    const trend::Millis offset = trend::LocalUtcOffset(sample->time);
    Q_EMIT readoutChanged(QString::fromStdString(
        trend::ReadoutText(*sample, unwrap_, offset, reference_ ? &*reference_ : nullptr)));
}

void TrendPlot::mouseMoveEvent(QMouseEvent* event) {
    cursor_ = event->position().toPoint();
    showReadout();
    update();
}

void TrendPlot::mousePressEvent(QMouseEvent* event) {
    cursor_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (const std::optional<trend::Sample> sample = sampleAt(*cursor_)) reference_ = sample;
    } else if (event->button() == Qt::RightButton) {
        reference_.reset();
    }
    showReadout();
    update();
}

void TrendPlot::leaveEvent(QEvent*) {
    cursor_.reset();
    Q_EMIT readoutChanged({});
    update();
}

}  // namespace trend_window
