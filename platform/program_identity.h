#pragma once

#include <functional>
#include <string>

namespace platform {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// What the program knows about itself and its place on this desktop.
class ProgramIdentity {
  public:
    virtual ~ProgramIdentity() = default;

    virtual std::string title() const = 0;
    virtual ProgramVersion version() const = 0;
    virtual std::string fileDescription() const = 0;
    virtual std::string rightsLine() const = 0;

    // The folder that holds the program's executable.
    virtual std::string programFolder() const = 0;
    // True when the program runs from the folder it was installed into. An installed program
    // never writes beside itself, even where it could (a program run by root from /usr/bin).
    virtual bool installed() const = 0;
    // The per-user data folder of the program, used when the program folder is read-only or
    // the program is installed.
    virtual std::string userDataFolder() const = 0;
    // Creates `path` (and missing parents); true when it exists afterwards.
    virtual bool makeFolder(const std::string& path) = 0;

    // Claims the one running instance of the program on this user's desktop. False when
    // another instance holds it; the claim is released when the program ends.
    virtual bool claimSingleInstance() = 0;
    // A start that found the claim held: asks the running instance to bring its window
    // forward, handing on the launcher's start-up token (empty when there was none). False
    // when it could not be asked.
    virtual bool askRunningInstanceToShow(const std::string& startupToken) = 0;
    // The instance holding the claim: `show` runs, on the event loop, for each such request,
    // with the token (empty when the launcher gave none).
    virtual void whenAskedToShow(std::function<void(const std::string& startupToken)> show) = 0;
};

}  // namespace platform
