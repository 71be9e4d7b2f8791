#pragma once

#include <iostream>
#include <memory>

#include "platform/program_identity.h"

class QLockFile;

namespace platform {

class InstanceChannel;

// Identity fixed by the build; the single-instance claim is a lock file in the user's runtime
// folder ($XDG_RUNTIME_DIR, else the temporary folder with the user in the name), one per
// display, so each desktop of the user runs one instance. Only a lock held by a running instance
// of this user refuses the claim; a lock that cannot be made lets the program start, with the
// reason written to `warnings`. Beside the lock the holder listens on a local socket for a second
// start's request to bring its window forward.
class QtProgramIdentity : public ProgramIdentity {
  public:
    explicit QtProgramIdentity(std::ostream& warnings = std::cerr);
    ~QtProgramIdentity() override;

    std::string title() const override;
    ProgramVersion version() const override;
    std::string fileDescription() const override;
    std::string rightsLine() const override;
    std::string programFolder() const override;
    bool installed() const override;
    std::string userDataFolder() const override;
    bool makeFolder(const std::string& path) override;
    bool claimSingleInstance() override;
    bool askRunningInstanceToShow(const std::string& startupToken) override;
    // The launcher's start-up token from the environment. Read it before the application
    // object exists: Qt's X11 integration takes it out of the environment.
    static std::string startupToken();
    void whenAskedToShow(std::function<void(const std::string&)> show) override;

    // Where the single-instance lock lives for the current display.
    static std::string lockFilePath(const std::string& title);
    // The running instance's socket, beside its lock.
    static std::string channelPath(const std::string& title);

  private:
    std::ostream& warnings_;
    std::unique_ptr<QLockFile> instanceLock_;
    std::unique_ptr<InstanceChannel> channel_;
};

}  // namespace platform
