#pragma once

#include <QFile>
#include <memory>
#include <string>

namespace trend {

// A CSV file written a row at a time, each row handed to the system as it comes, so that a
// crash of the program loses at most the reading in hand. A row that cannot be written whole
// is cut off again: the file ends with the last whole row.
class CsvRecording {
  public:
    // Replaces the file at `path` with the header line. On failure says why in `reason` and
    // records nothing.
    bool start(const std::string& path, std::string& reason);
    // Appends `row` and its line end. On failure cuts the file back to its last whole row,
    // closes it, says why in `reason` and records no more.
    bool append(const std::string& row, std::string& reason);
    void stop();

    bool active() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }

  private:
    bool writeLine(const std::string& line, std::string& reason);

    std::unique_ptr<QFile> file_;
    std::string path_;
    qint64 whole_ = 0;  // bytes up to the end of the last whole line
};

}  // namespace trend
