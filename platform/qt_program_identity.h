#pragma once

#include <iostream>
#include <memory>

#include "platform/program_identity.h"

class QLockFile;

namespace platform {

// Identity fixed by the build; the single-instance claim is a lock file in the user's runtime
// folder ($XDG_RUNTIME_DIR, else the temporary folder with the user in the name), one per
// display, so each desktop of the user runs one instance. Only a lock held by a running instance
// of this user refuses the claim; a lock that cannot be made lets the program start, with the
// reason written to `warnings`.
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

    // Where the single-instance lock lives for the current display.
    static std::string lockFilePath(const std::string& title);

  private:
    std::ostream& warnings_;
    std::unique_ptr<QLockFile> instanceLock_;
};

}  // namespace platform
