// Start-up benchmark of QM4417: time from process start to the main window shown, and the
// resident memory once it is up. Runs the program's own start-up (Qt services, a real serial
// port on a pseudo-terminal as COM1, settings in a scratch folder) in fresh child processes.
//
//   bench_startup [RUNS]   prints one line per run, then the medians
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/qm4417/qt_services.h"

extern char** environ;

namespace {

long long MonotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Processor time used by this process so far, user and system.
double CpuMilliseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// Notes the moment of the window's first paint, and the processor time spent until then.
class FirstPaint : public QObject {
  public:
    long long at = 0;
    double cpuMs = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && at == 0) {
            at = MonotonicNanoseconds();
            cpuMs = CpuMilliseconds();
        }
        return false;
    }
};

// The child: the program's start-up, then its figures on stdout.
int RunChild(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("QM4417");
    qm4417::QtServices services;
    if (!services.identity.claimSingleInstance()) return 1;
    main_window::frmMain window(services.forWindow());
    services.setDialogParent(&window);
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    window.Form_Load();
    window.show();
    // Let the start-up settle before the memory is read; bounded should no paint come.
    QTimer::singleShot(500, &application, &QApplication::quit);
    application.exec();
    std::printf("%lld %.1f %ld %d\n", firstPaint.at, firstPaint.cpuMs, ResidentKilobytes(),
                window.comPortSettings().ComFlag ? 1 : 0);
    return firstPaint.at == 0 ? 1 : 0;
}

struct Figures {
    double shownMs;
    double cpuMs;
    long rssKb;
    bool portOpen;
};

bool RunOnce(const char* self, Figures& figures) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char child[] = "--child";
    char* arguments[] = {const_cast<char*>(self), child, nullptr};
    pid_t pid = 0;
    const long long start = MonotonicNanoseconds();
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) return false;
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long shownAt = 0;
    int portOpen = 0;
    if (std::sscanf(output.c_str(), "%lld %lf %ld %d", &shownAt, &figures.cpuMs, &figures.rssKb,
                    &portOpen) != 4 ||
        shownAt == 0) {
        return false;
    }
    figures.shownMs = (shownAt - start) / 1e6;
    figures.portOpen = portOpen == 1;
    return true;
}

// COM1 of the scratch settings points at a pseudo-terminal, so the port opens as at a desk.
int OpenPseudoTerminal(const QString& configFolder) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return -1;
    QSettings ini(configFolder + "/QM4417.ini", QSettings::IniFormat);
    ini.setValue("Ports/COM1", QString(ptsname(master)));
    ini.sync();
    return master;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::string(argv[1]) == "--child") return RunChild(argc, argv);
    const int runs = argc >= 2 ? std::max(1, std::atoi(argv[1])) : 7;

    QTemporaryDir scratch;
    for (const char* folder : {"config", "data", "runtime"}) {
        mkdir(qPrintable(scratch.path() + '/' + folder), 0700);
    }
    setenv("XDG_CONFIG_HOME", qPrintable(scratch.path() + "/config"), 1);
    setenv("XDG_DATA_HOME", qPrintable(scratch.path() + "/data"), 1);
    setenv("XDG_RUNTIME_DIR", qPrintable(scratch.path() + "/runtime"), 1);
    if (getenv("DISPLAY") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int master = OpenPseudoTerminal(scratch.path() + "/config");
    if (master < 0) {
        std::fprintf(stderr, "no pseudo-terminal for COM1\n");
        return 1;
    }

    std::printf("QM4417 start-up, platform %s, %d runs\n",
                getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "xcb", runs);
    std::vector<double> shown;
    std::vector<double> cpu;
    std::vector<long> rss;
    for (int run = 1; run <= runs; ++run) {
        Figures figures{};
        if (!RunOnce(argv[0], figures)) {
            std::fprintf(stderr, "run %d failed\n", run);
            return 1;
        }
        std::printf(
            "run %d: window shown %.1f ms after process start (%.1f ms processor time), "
            "RSS %.1f MB%s\n",
            run, figures.shownMs, figures.cpuMs, figures.rssKb / 1024.0,
            figures.portOpen ? "" : " (COM1 did not open)");
        shown.push_back(figures.shownMs);
        cpu.push_back(figures.cpuMs);
        rss.push_back(figures.rssKb);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(cpu.begin(), cpu.end());
    std::sort(rss.begin(), rss.end());
    std::printf(
        "median: window shown %.1f ms (goal < 300 ms), %.1f ms processor time, "
        "RSS %.1f MB (goal < 60 MB)\n",
        shown[shown.size() / 2], cpu[cpu.size() / 2], rss[rss.size() / 2] / 1024.0);
    double load[1] = {0};
    if (getloadavg(load, 1) == 1) std::printf("machine load average: %.2f\n", load[0]);
    close(master);
    return 0;
}
