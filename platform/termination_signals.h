#pragma once

#include <QObject>
#include <functional>
#include <utility>

class QSocketNotifier;

namespace platform {

// SIGTERM (a shutdown, kill), SIGHUP (the session ends) and SIGINT (Ctrl+C in the terminal
// that started the program) as a request to end, taken on the event loop instead of in the
// signal handler, so that the program can end as a close of its window does. A second signal
// ends the program at once. One object a program, made once the application object exists.
class TerminationSignals : public QObject {
  public:
    TerminationSignals();
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Called once, on the event loop, for the first signal.
    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    // Whether a signal has come and been taken.
    bool requested() const { return requested_; }

  private:
    void take();

    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> handler_;
    bool requested_ = false;
};

}  // namespace platform
