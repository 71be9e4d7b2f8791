// TumblerSwitch (Norvikon.Tumbler) beside a Qt Quick Controls Switch of the same size, each in
// a QQuickView of its own on the screen (run it under X or Xvfb):
//   - a property change to the frame on screen: `checked` flipped, then the time until the
//     view's next frame is swapped, median of the samples taken in turns, for the lever and
//     the rocker at 120x90 and 480x360, at ratio 1 and 2 (a child run with QT_SCALE_FACTOR);
//   - a QML program that shows one switch: the time from its start to its first frame on the
//     screen and its resident memory then, in fresh child processes taken in turns.
//
//   switch_quick_bench [--installed]   the module from the build tree, or Qt's QML folder
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/timing/median_timing.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSamples = 15;  // per configuration, the median is printed
constexpr int kStarts = 9;    // per program

bool installed = false;

QByteArray SwitchQml(const QByteArray& kind, QSize size, int shape) {
    const QByteArray extent = "width: " + QByteArray::number(size.width()) +
                              "; height: " + QByteArray::number(size.height());
    if (kind == "tumbler") {
        return "import QtQuick\nimport Norvikon.Tumbler\nTumblerSwitch { " + extent +
               "; text: \"POWER\"; switchShape: " + QByteArray::number(shape) + " }\n";
    }
    return "import QtQuick\nimport QtQuick.Controls\nSwitch { " + extent + "; text: \"POWER\" }\n";
}

std::unique_ptr<QQuickView> ViewOf(const QByteArray& qml) {
    auto view = std::make_unique<QQuickView>();
    if (!installed) view->engine()->addImportPath(QStringLiteral(TUMBLER_QML_BUILD_DIR));
    auto* component = new QQmlComponent(view->engine(), view.get());
    component->setData(qml, QUrl());
    view->setContent(QUrl(), component, component->create());
    if (view->status() != QQuickView::Ready) {
        std::fprintf(stderr, "%s\n", qPrintable(component->errorString()));
        std::exit(1);
    }
    return view;
}

// Runs the event loop for `ms` milliseconds: the views finish their frames and animations.
void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Microseconds from a flip of `checked` to the next frame swapped on the screen.
double FrameAfterChange(QQuickView& view) {
    std::atomic<Clock::time_point> swapped{};
    QEventLoop loop;
    const auto connection = QObject::connect(
        &view, &QQuickWindow::frameSwapped, &view,
        [&] {
            swapped = Clock::now();
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        },
        Qt::DirectConnection);
    QTimer::singleShot(3000, &loop, &QEventLoop::quit);
    QQuickItem* item = view.rootObject();
    const Clock::time_point start = Clock::now();
    item->setProperty("checked", !item->property("checked").toBool());
    loop.exec();
    QObject::disconnect(connection);
    const Clock::time_point end = swapped.load();
    if (end < start) return -1;  // no frame within 3 s
    return std::chrono::duration<double, std::micro>(end - start).count();
}

int RunFrames() {
    const double ratio = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    for (const QSize size : {QSize(120, 90), QSize(480, 360)}) {
        for (const auto& [shape, name] : {std::pair{2, "lever"}, std::pair{0, "rocker"}}) {
            auto tumbler = ViewOf(SwitchQml("tumbler", size, shape));
            auto controls = ViewOf(SwitchQml("controls", size, 0));
            tumbler->setPosition(0, 0);
            controls->setPosition(size.width() + 20, 0);
            tumbler->show();
            controls->show();
            Settle(500);
            std::vector<double> ours, theirs, ratios;
            for (int i = 0; i < kSamples; ++i) {
                ours.push_back(FrameAfterChange(*tumbler));
                Settle(300);
                theirs.push_back(FrameAfterChange(*controls));
                Settle(300);
                ratios.push_back(ours.back() / theirs.back());
            }
            std::printf("%-7s %3dx%-5d %5.0f %14.0f %14.0f %8.2f  (%s)\n", name, size.width(),
                        size.height(), ratio, bench::Median(ours), bench::Median(theirs),
                        bench::Median(ratios),
                        qPrintable(tumbler->rendererInterface()->graphicsApi() ==
                                           QSGRendererInterface::Software
                                       ? QStringLiteral("software")
                                       : QStringLiteral("hardware")));
            std::fflush(stdout);
        }
    }
    return 0;
}

long ResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The program that shows one switch: says its resident memory at its first frame and ends.
int RunShow(const QByteArray& kind) {
    auto view = ViewOf(SwitchQml(kind, QSize(120, 90), 0));
    QObject::connect(
        view.get(), &QQuickWindow::frameSwapped, qApp,
        [] {
            std::printf("%ld\n", ResidentKilobytes());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
    view->show();
    return QGuiApplication::exec();
}

struct Start {
    double ms;
    long rssKb;
};

Start TimeStart(const QString& self, const QString& kind) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{QStringLiteral("--show"), kind};
    if (installed) arguments << QStringLiteral("--installed");
    QElapsedTimer clock;
    clock.start();
    child.start(self, arguments);
    while (!child.canReadLine() && child.waitForReadyRead(10000)) {
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    const long rss = child.readLine().trimmed().toLong();
    child.waitForFinished(5000);
    return {ms, rss};
}

int RunStarts(const QString& self) {
    std::vector<double> ourMs, theirMs, ourKb, theirKb;
    for (int i = 0; i < kStarts; ++i) {
        const Start ours = TimeStart(self, QStringLiteral("tumbler"));
        const Start theirs = TimeStart(self, QStringLiteral("controls"));
        ourMs.push_back(ours.ms);
        theirMs.push_back(theirs.ms);
        ourKb.push_back(ours.rssKb);
        theirKb.push_back(theirs.rssKb);
    }
    std::printf(
        "\nA QML program showing one switch 120x90, median of %d starts each (goal: within "
        "1.2x)\n",
        kStarts);
    std::printf("%-28s %14s %14s %8s\n", "", "TumblerSwitch", "Controls", "ratio");
    std::printf("%-28s %14.0f %14.0f %8.2f\n", "start to first frame (ms)", bench::Median(ourMs),
                bench::Median(theirMs), bench::Median(ourMs) / bench::Median(theirMs));
    std::printf("%-28s %14.0f %14.0f %8.2f\n", "resident memory (kB)", bench::Median(ourKb),
                bench::Median(theirKb), bench::Median(ourKb) / bench::Median(theirKb));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    installed = args.contains(QStringLiteral("--installed"));
    if (args.value(0) == QStringLiteral("--show")) {
        QGuiApplication app(argc, argv);
        return RunShow(args.value(1).toLatin1());
    }
    if (args.value(0) == QStringLiteral("--frames")) {
        QGuiApplication app(argc, argv);
        return RunFrames();
    }
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    std::printf(
        "A flip of checked to the frame on the screen, microseconds, median of %d "
        "(goal: TumblerSwitch within 2x the Controls Switch)\n",
        kSamples);
    std::printf("%-7s %-9s %5s %14s %14s %8s\n", "shape", "size", "ratio", "TumblerSwitch",
                "Controls", "ratio");
    std::fflush(stdout);
    for (const char* ratio : {"1", "2"}) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(ratio));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QStringList arguments{QStringLiteral("--frames")};
        if (installed) arguments << QStringLiteral("--installed");
        child.start(self, arguments);
        child.waitForFinished(-1);
    }
    return RunStarts(self);
}
