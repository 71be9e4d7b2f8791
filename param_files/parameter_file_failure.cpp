#include "param_files/parameter_file_failure.h"

namespace param_files {

namespace {

void showFailure(platform::MessageBoxes& boxes, const std::string& programTitle,
                 const std::string& text, const std::string& reason) {
    boxes.show(programTitle + " Error!", text, platform::MessageIcon::Stop,
               platform::MessageButtons::Ok, reason);
}

}  // namespace

void ShowReadFailure(platform::MessageBoxes& boxes, const std::string& programTitle,
                     const std::string& path, const std::string& reason) {
    showFailure(boxes, programTitle, path + " Can't Read Parameter File", reason);
}

void ShowWriteFailure(platform::MessageBoxes& boxes, const std::string& programTitle,
                      const std::string& path, const std::string& reason) {
    showFailure(boxes, programTitle, path + " Can't Write Parameter File", reason);
}

}  // namespace param_files
