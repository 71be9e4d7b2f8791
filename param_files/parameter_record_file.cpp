#include "param_files/parameter_record_file.h"

#include "param_files/parameter_file_format.h"
#include "param_files/whole_file.h"

namespace param_files {

namespace {

// Far more than the longest file the program writes; a read never pulls a huge file in.
constexpr std::size_t ReadLimit = 64 * 1024;

}  // namespace

std::optional<unit_parameters::UnitParameters> ReadParameterWords(const std::string& path) {
    const auto text = ReadFileStart(path, ReadLimit);
    return text ? ParseParameterFile(*text) : std::nullopt;
}

std::optional<unit_parameters::UnitParameters> ReadParameterRecord(const std::string& path) {
    const auto record = ReadParameterWords(path);
    if (!record || !unit_parameters::ParametersFitPanel(*record)) return std::nullopt;
    return record;
}

bool WriteParameterRecord(const std::string& path, const unit_parameters::UnitParameters& record) {
    return WriteFileAtomically(path, FormatParameterFile(record));
}

}  // namespace param_files
