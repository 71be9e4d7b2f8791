#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace platform {

// The running instance's ear: a local socket at `path` (beside the single-instance lock, so
// it is per user and display) on which a second start asks it to bring its window forward.
// The request is one line, the launcher's start-up token (possibly empty).
class InstanceChannel : public QObject {
  public:
    explicit InstanceChannel(std::string path);
    ~InstanceChannel() override;

    // For the claim's holder: listens, replacing a socket left by a crashed holder. `shown`
    // runs on the event loop for each request. False, with `error` set, when it cannot listen.
    bool listen(std::function<void(const std::string& token)> shown, std::string& error);

    // For a second start: sends the request and waits until it is on its way. False when
    // nobody listens at `path`.
    static bool ask(const std::string& path, const std::string& token);

  private:
    void take();

    std::string path_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void(const std::string&)> shown_;
};

}  // namespace platform
