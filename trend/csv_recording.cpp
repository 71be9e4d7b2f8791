#include "trend/csv_recording.h"

#include "unit_link/monitor_csv.h"

namespace trend {

bool CsvRecording::start(const std::string& path, std::string& reason) {
    stop();
    auto file = std::make_unique<QFile>(QString::fromStdString(path));
    // Unbuffered: every row goes to the system at once, nothing waits in the program.
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        reason = file->errorString().toStdString();
        return false;
    }
    file_ = std::move(file);
    path_ = path;
    whole_ = 0;
    return writeLine(unit_link::MonitorCsvHeader, reason);
}

bool CsvRecording::append(const std::string& row, std::string& reason) {
    return active() && writeLine(row, reason);
}

bool CsvRecording::writeLine(const std::string& line, std::string& reason) {
    const std::string bytes = line + "\n";
    const auto size = static_cast<qint64>(bytes.size());
    if (file_->write(bytes.data(), size) == size) {
        whole_ += size;
        return true;
    }
    reason = file_->errorString().toStdString();
    // A device that took part of the line keeps no torn row.
    file_->resize(whole_);
    stop();
    return false;
}

void CsvRecording::stop() {
    if (file_) file_->close();
    file_.reset();
}

}  // namespace trend
