#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/program_identity.h"

namespace platform {

// Fixed identity; folders are "made" only in memory, and never in a read-only program folder.
class FakeProgramIdentity : public ProgramIdentity {
  public:
    std::string title() const override { return "QM4417"; }
    ProgramVersion version() const override { return {1, 0, 0}; }
    std::string fileDescription() const override { return "KV3907P410 Setup Program"; }
    std::string rightsLine() const override { return "(C) 2026 Norvikon"; }
    std::string programFolder() const override { return "/opt/qm4417"; }
    bool installed() const override { return runsInstalled; }
    std::string userDataFolder() const override { return "/home/user/.local/share/QM4417"; }
    bool makeFolder(const std::string& path) override {
        if (!programFolderWritable && path.starts_with(programFolder())) return false;
        madeFolders.insert(path);
        return true;
    }
    bool claimSingleInstance() override { return !otherInstanceRunning; }
    bool askRunningInstanceToShow(const std::string& startupToken) override {
        showRequests.push_back(startupToken);
        return otherInstanceRunning;
    }
    void whenAskedToShow(std::function<void(const std::string&)> show) override {
        showHandler = std::move(show);
    }

    bool otherInstanceRunning = false;
    std::vector<std::string> showRequests;
    std::function<void(const std::string&)> showHandler;
    bool programFolderWritable = true;
    bool runsInstalled = false;
    std::set<std::string> madeFolders;
};

}  // namespace platform
