#pragma once

#include <memory>

#include "platform/program_identity.h"

class QLockFile;

namespace platform {

// Identity fixed by the build; the single-instance claim is a lock file in the user's runtime
// folder ($XDG_RUNTIME_DIR), one per display, so each desktop of the user runs one instance.
class QtProgramIdentity : public ProgramIdentity {
  public:
    QtProgramIdentity();
    ~QtProgramIdentity() override;

    std::string title() const override;
    ProgramVersion version() const override;
    std::string fileDescription() const override;
    std::string rightsLine() const override;
    std::string programFolder() const override;
    std::string userDataFolder() const override;
    bool makeFolder(const std::string& path) override;
    bool claimSingleInstance() override;

    // Where the single-instance lock lives for the current display.
    static std::string lockFilePath(const std::string& title);

  private:
    std::unique_ptr<QLockFile> instanceLock_;
};

}  // namespace platform
