#include "trend_window/trend_window.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <limits>

#include "trend/axis_ticks.h"
#include "trend/csv_export.h"
#include "trend_window/trend_plot.h"
#include "trend_window/whole_file_save.h"
#include "widgets/named_widgets.h"
#include "widgets/twips.h"

namespace trend_window {

namespace {

using widgets::Named;

constexpr const char* Section = "Settings";

struct SpanChoice {
    const char* caption;
    int seconds;
};
constexpr std::array<SpanChoice, 4> Spans{
    {{"10 s", 10}, {"1 min", 60}, {"10 min", 600}, {"1 h", 3600}}};
constexpr int DefaultSpanIndex = 1;

// Twips, as the main window keeps its place: beside it, 800 x 560 pixels.
constexpr int DefaultLeft = 7700;
constexpr int DefaultTop = 1000;
constexpr int DefaultWidth = 800 * widgets::kTwipsPerPixel;
constexpr int DefaultHeight = 560 * widgets::kTwipsPerPixel;

int StoredNumber(const platform::SettingsStore& settings, const std::string& application,
                 const char* key, int fallback) {
    const std::string text = settings.read(application, Section, key, std::to_string(fallback));
    bool ok = false;
    const int value = QString::fromStdString(text).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

QString EventLine(const trend::LampEvent& event) {
    return QString("%1  %2  %3")
        .arg(
            QString::fromStdString(trend::ClockText(event.time, trend::LocalUtcOffset(event.time))))
        .arg(trend::LampCaption(event.lamp))
        .arg(event.on ? "on" : "off");
}

}  // namespace

TrendWindow::TrendWindow(const TrendServices& services, trend::TrendFeed& feed, QWidget* parent)
    : QWidget(parent, Qt::Window),
      services_(services),
      feed_(feed),
      lastFolder_(QDir::homePath().toStdString()) {
    buildLayout();
    connectHandlers();
    restoreGeometry();
    feed_.setObserver(this);
}

TrendWindow::~TrendWindow() {
    feed_.setObserver(nullptr);
    // The window's end ends a recording; every row is on disk already.
    feed_.recording().stop();
}

void TrendWindow::buildLayout() {
    setObjectName("frmTrend");
    setWindowTitle("QM4417 Trend");

    cmdPause = Named(new QPushButton("Pause", this), "cmdPause");
    cmbSpan = Named(new QComboBox(this), "cmbSpan");
    for (const SpanChoice& span : Spans) cmbSpan->addItem(span.caption, span.seconds);
    auto* lblSpan = Named(new QLabel("&Span", this), "lblSpan");
    lblSpan->setBuddy(cmbSpan);
    chkUnwrap = Named(new QCheckBox("&Unwrap", this), "chkUnwrap");
    chkFixedAxis = Named(new QCheckBox("&Fixed Axis", this), "chkFixedAxis");
    spnAxisLow = Named(new QSpinBox(this), "spnAxisLow");
    spnAxisHigh = Named(new QSpinBox(this), "spnAxisHigh");
    for (QSpinBox* box : {spnAxisLow, spnAxisHigh}) {
        box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        box->setEnabled(false);
        box->setKeyboardTracking(false);
    }
    spnAxisHigh->setValue(0xFFFFFF);

    picTrend = Named(new TrendPlot(feed_.history(), feed_.events(), this), "picTrend");
    lblReadout = Named(new QLabel(this), "lblReadout");
    lblReadout->setMinimumHeight(2 * fontMetrics().height() + 4);
    lblReadout->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lstEvents = Named(new QListWidget(this), "lstEvents");
    lstEvents->setMaximumHeight(7 * fontMetrics().height());
    cmdRecord = Named(new QPushButton("Record...", this), "cmdRecord");
    cmdSaveData = Named(new QPushButton("Save Data...", this), "cmdSaveData");
    cmdSavePicture = Named(new QPushButton("Save Picture...", this), "cmdSavePicture");
    cmdClose = Named(new QPushButton("Close", this), "cmdClose");

    auto* controls = new QHBoxLayout;
    controls->addWidget(cmdPause);
    controls->addSpacing(12);
    controls->addWidget(lblSpan);
    controls->addWidget(cmbSpan);
    controls->addSpacing(12);
    controls->addWidget(chkUnwrap);
    controls->addSpacing(12);
    controls->addWidget(chkFixedAxis);
    controls->addWidget(spnAxisLow);
    controls->addWidget(new QLabel("to", this));
    controls->addWidget(spnAxisHigh);
    controls->addStretch(1);
    auto* files = new QHBoxLayout;
    files->addWidget(cmdRecord);
    files->addWidget(cmdSaveData);
    files->addWidget(cmdSavePicture);
    files->addStretch(1);
    files->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(picTrend, 1);
    layout->addWidget(lblReadout);
    layout->addWidget(lstEvents);
    layout->addLayout(files);

    // Tab runs through every control in reading order.
    QWidget* order[] = {cmdPause,  cmbSpan,   chkUnwrap,   chkFixedAxis,   spnAxisLow, spnAxisHigh,
                        lstEvents, cmdRecord, cmdSaveData, cmdSavePicture, cmdClose};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TrendWindow::connectHandlers() {
    connect(cmdPause, &QPushButton::clicked, this, &TrendWindow::togglePause);
    connect(cmbSpan, &QComboBox::currentIndexChanged, this, [this](int index) {
        picTrend->setSpan(trend::Millis{Spans.at(static_cast<std::size_t>(index)).seconds} * 1000);
    });
    connect(chkUnwrap, &QCheckBox::toggled, picTrend, &TrendPlot::setUnwrap);
    connect(chkFixedAxis, &QCheckBox::toggled, this, [this](bool fixed) {
        if (fixed) {
            // Fixed where it stands now; the operator may then type other bounds.
            const trend::ValueRange shown = picTrend->shownRange();
            const QSignalBlocker low(spnAxisLow), high(spnAxisHigh);
            spnAxisLow->setValue(static_cast<int>(
                std::clamp<std::int64_t>(shown.low, spnAxisLow->minimum(), spnAxisLow->maximum())));
            spnAxisHigh->setValue(static_cast<int>(std::clamp<std::int64_t>(
                shown.high, spnAxisHigh->minimum(), spnAxisHigh->maximum())));
        }
        spnAxisLow->setEnabled(fixed);
        spnAxisHigh->setEnabled(fixed);
        applyAxis();
    });
    connect(spnAxisLow, &QSpinBox::valueChanged, this, &TrendWindow::applyAxis);
    connect(spnAxisHigh, &QSpinBox::valueChanged, this, &TrendWindow::applyAxis);
    connect(picTrend, &TrendPlot::readoutChanged, lblReadout, &QLabel::setText);
    connect(cmdRecord, &QPushButton::clicked, this, &TrendWindow::toggleRecording);
    connect(cmdSaveData, &QPushButton::clicked, this, &TrendWindow::saveData);
    connect(cmdSavePicture, &QPushButton::clicked, this, &TrendWindow::savePicture);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    const auto key = [this](QKeySequence sequence, auto handler) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    key(Qt::Key_Space, &TrendWindow::togglePause);
    key(Qt::CTRL | Qt::Key_R, &TrendWindow::toggleRecording);
    key(Qt::CTRL | Qt::Key_S, &TrendWindow::saveData);
    key(Qt::CTRL | Qt::SHIFT | Qt::Key_S, &TrendWindow::savePicture);
    key(Qt::Key_Escape, &QWidget::close);
}

void TrendWindow::applyAxis() {
    if (!chkFixedAxis->isChecked()) {
        picTrend->setFixedRange(std::nullopt);
        return;
    }
    const std::int64_t low = spnAxisLow->value();
    const std::int64_t high = spnAxisHigh->value();
    // Bounds typed the wrong way round still give an axis.
    picTrend->setFixedRange(
        trend::ValueRange{std::min(low, high), std::max(low, high) + (low == high ? 1 : 0)});
}

void TrendWindow::restoreGeometry() {
    const std::string& app = services_.programTitle;
    const int spanSeconds = StoredNumber(services_.settings, app, "TrendSpan", 60);
    int spanIndex = DefaultSpanIndex;
    for (std::size_t i = 0; i < Spans.size(); ++i)
        if (Spans[i].seconds == spanSeconds) spanIndex = static_cast<int>(i);
    cmbSpan->setCurrentIndex(spanIndex);
    picTrend->setSpan(trend::Millis{Spans.at(static_cast<std::size_t>(spanIndex)).seconds} * 1000);

    const int px = widgets::kTwipsPerPixel;
    QRect frame(StoredNumber(services_.settings, app, "TrendLeft", DefaultLeft) / px,
                StoredNumber(services_.settings, app, "TrendTop", DefaultTop) / px,
                StoredNumber(services_.settings, app, "TrendWidth", DefaultWidth) / px,
                StoredNumber(services_.settings, app, "TrendHeight", DefaultHeight) / px);
    if (frame.width() < minimumSizeHint().width() || frame.height() < minimumSizeHint().height())
        frame.setSize(QSize(DefaultWidth / px, DefaultHeight / px));
    // A place off every screen (a screen since removed) gives the default place.
    bool onScreen = QGuiApplication::screens().isEmpty();
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(frame);
    if (!onScreen) frame.moveTo(DefaultLeft / px, DefaultTop / px);
    resize(frame.size());
    move(frame.topLeft());
}

void TrendWindow::saveGeometry() {
    const std::string& app = services_.programTitle;
    platform::SettingsStore& settings = services_.settings;
    const int span = Spans.at(static_cast<std::size_t>(cmbSpan->currentIndex())).seconds;
    settings.write(app, Section, "TrendSpan", std::to_string(span));
    if (isMinimized()) return;
    const int px = widgets::kTwipsPerPixel;
    settings.write(app, Section, "TrendLeft", std::to_string(x() * px));
    settings.write(app, Section, "TrendTop", std::to_string(y() * px));
    settings.write(app, Section, "TrendWidth", std::to_string(width() * px));
    settings.write(app, Section, "TrendHeight", std::to_string(height() * px));
}

void TrendWindow::open() {
    if (!isVisible()) show();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void TrendWindow::showEvent(QShowEvent* event) {
    followEvents();
    showRecordingState();
    QWidget::showEvent(event);
}

void TrendWindow::closeEvent(QCloseEvent* event) {
    feed_.recording().stop();
    showRecordingState();
    saveGeometry();
    event->accept();
}

void TrendWindow::readingAdded() {
    if (!isVisible()) return;
    const bool lampChanged = feed_.events().added() != eventsListed_;
    picTrend->readingAdded(lampChanged);
    followEvents();
}

void TrendWindow::followEvents() {
    const trend::LampEventLog& log = feed_.events();
    // Rows of events the log has dropped go; rows of new ones come at the end.
    const std::uint64_t dropped = log.dropped();
    const std::uint64_t firstListed =
        eventsListed_ - static_cast<std::uint64_t>(lstEvents->count());
    for (std::uint64_t gone = firstListed; gone < dropped && lstEvents->count() > 0; ++gone)
        delete lstEvents->takeItem(0);
    if (eventsListed_ < dropped) eventsListed_ = dropped;
    const bool atEnd = lstEvents->count() == 0 || lstEvents->currentRow() < 0 ||
                       lstEvents->currentRow() == lstEvents->count() - 1;
    bool added = false;
    for (; eventsListed_ < log.added(); ++eventsListed_) {
        const trend::LampEvent& event = log.events().at(eventsListed_ - dropped);
        lstEvents->addItem(EventLine(event));
        added = true;
    }
    if (added && atEnd) lstEvents->scrollToBottom();
}

void TrendWindow::togglePause() {
    picTrend->setPaused(!picTrend->paused());
    cmdPause->setText(picTrend->paused() ? "Resume" : "Pause");
}

std::string TrendWindow::askForFile(const std::string& filter, const std::string& extension) {
    platform::FileDialogSettings settings{"", filter, lastFolder_};
    settings.confirmReplace = true;
    const platform::FileChoice choice = services_.fileDialogs.save(settings);
    if (choice.cancelled || choice.path.empty()) return {};
    QString path = QString::fromStdString(choice.path);
    const QFileInfo info(path);
    if (info.suffix().isEmpty()) path += QString::fromStdString(extension);
    lastFolder_ = QFileInfo(path).absolutePath().toStdString();
    return path.toStdString();
}

void TrendWindow::showFileError(const std::string& path, const std::string& reason) {
    services_.messageBoxes.show(services_.programTitle + " Error!",
                                "Can't Write " + path + "\r\n" + reason,
                                platform::MessageIcon::Stop, platform::MessageButtons::Ok);
}

void TrendWindow::toggleRecording() {
    trend::CsvRecording& recording = feed_.recording();
    if (recording.active()) {
        recording.stop();
        showRecordingState();
        return;
    }
    const std::string path = askForFile("CSV File(*.csv)|*.csv", ".csv");
    if (path.empty()) return;
    std::string reason;
    if (!recording.start(path, reason)) showFileError(path, reason);
    showRecordingState();
}

void TrendWindow::recordingFailed(const std::string& path, const std::string& reason) {
    showRecordingState();
    showFileError(path, reason);
}

void TrendWindow::showRecordingState() {
    const bool recording = feed_.recording().active();
    cmdRecord->setText(recording ? "Stop Recording" : "Record...");
}

void TrendWindow::saveData() {
    // What is in view now, before the dialog lets more readings come.
    const trend::Millis from = picTrend->viewStart();
    const trend::Millis to = picTrend->viewEnd();
    const std::string text = trend::CsvOfSpan(feed_.history(), from, to);
    const std::string path = askForFile("CSV File(*.csv)|*.csv", ".csv");
    if (path.empty()) return;
    QString reason;
    if (!SaveWholeFile(QString::fromStdString(path), QByteArray::fromStdString(text), reason))
        showFileError(path, reason.toStdString());
}

void TrendWindow::savePicture() {
    const QImage picture = picTrend->grab().toImage();
    const std::string path = askForFile("PNG Image(*.png)|*.png", ".png");
    if (path.empty()) return;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QString reason;
    if (!SaveWholeFile(QString::fromStdString(path), bytes, reason))
        showFileError(path, reason.toStdString());
}

}  // namespace trend_window
