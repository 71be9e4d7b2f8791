#pragma once

#include <string>

namespace platform {

// What a file dialog is set up with before every use. The filter is written in the
// "Description|pattern[|Description|pattern...]" form of the program's literals.
struct FileDialogSettings {
    std::string fileName;
    std::string filter;
    std::string initialFolder;
    // The save form asks before it lets an existing file be chosen.
    bool confirmReplace = false;
    // Added, after a dot, to a typed name that has no extension ("test1" becomes
    // "test1.par"); none when empty.
    std::string defaultExtension;
};

// The operator's answer: either a cancel, or the chosen file as a full path plus its
// bare name without the folder.
struct FileChoice {
    bool cancelled = true;
    std::string path;
    std::string name;
};

// Modal open and save forms of the file dialog.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual FileChoice open(const FileDialogSettings& settings) = 0;
    virtual FileChoice save(const FileDialogSettings& settings) = 0;
};

// "Text|*.txt" becomes "Text (*.txt)"; a name that already ends in its patterns stays as it is
// ("Parameter File(*.par)|*.par" becomes "Parameter File(*.par)"). Several patterns in one
// entry ("*.a;*.b") become space separated, entries join with ";;".
std::string QtNameFilters(const std::string& filter);

}  // namespace platform
