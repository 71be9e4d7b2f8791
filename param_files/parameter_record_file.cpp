#include "param_files/parameter_record_file.h"

#include "param_files/whole_file.h"

namespace param_files {

namespace {

// Far more than the longest file the program writes; a read never pulls a huge file in.
constexpr std::size_t ReadLimit = 64 * 1024;

std::string line(unit_parameters::ParameterField field) {
    return std::to_string(field + 1);
}

std::string whyPanelCannotShow(const unit_parameters::UnitParameters& record,
                               unit_parameters::ParameterField field) {
    using namespace unit_parameters;
    if (field == SensorType)
        return "Line " + line(SensorType) + ", the sensor type, is " +
               std::to_string(record[SensorType]) + "; the panel shows 0 to 3.";
    return "Lines " + line(PresetDataHigh) + " and " + line(PresetDataLow) + ", the preset (" +
           std::to_string(record[PresetDataHigh]) + ", " + std::to_string(record[PresetDataLow]) +
           "), make more than 32 bits.";
}

}  // namespace

RecordRead ReadParameterWords(const std::string& path) {
    FileBytes file = ReadFileStart(path, ReadLimit);
    if (!file.bytes) return {std::nullopt, std::move(file.reason)};
    return ParseParameterFile(*file.bytes);
}

RecordRead ReadParameterRecord(const std::string& path) {
    RecordRead read = ReadParameterWords(path);
    if (!read.record) return read;
    if (const auto field = unit_parameters::FieldPanelCannotShow(*read.record))
        return {std::nullopt, whyPanelCannotShow(*read.record, *field)};
    return read;
}

std::string WriteParameterRecord(const std::string& path,
                                 const unit_parameters::UnitParameters& record) {
    return WriteFileAtomically(path, FormatParameterFile(record));
}

}  // namespace param_files
