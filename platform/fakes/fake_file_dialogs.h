#pragma once

#include <deque>
#include <vector>

#include "platform/file_dialogs.h"

namespace platform {

// Records every dialog shown and answers from a queue (a cancel when the queue is empty).
class FakeFileDialogs : public FileDialogs {
  public:
    struct Shown {
        bool saving;
        FileDialogSettings settings;
    };

    FileChoice open(const FileDialogSettings& settings) override { return answer(false, settings); }
    FileChoice save(const FileDialogSettings& settings) override { return answer(true, settings); }

    // Queues the choice of `path`; the bare name is what follows the last '/'.
    void choose(const std::string& path) {
        answers.push_back({false, path, path.substr(path.find_last_of('/') + 1)});
    }
    void cancel() { answers.push_back({}); }

    std::vector<Shown> shown;
    std::deque<FileChoice> answers;

  private:
    FileChoice answer(bool saving, const FileDialogSettings& settings) {
        shown.push_back({saving, settings});
        if (answers.empty()) return {};
        FileChoice choice = answers.front();
        answers.pop_front();
        return choice;
    }
};

}  // namespace platform
