#pragma once

#include <string>

#include "trend/reading_history.h"

namespace trend {

// A reading as a row of `qm4417ctl monitor --csv`, without its line end.
std::string CsvRowOf(const Sample& sample);

// The header and a row a line for every reading from `from` to `to`, both included.
std::string CsvOfSpan(const ReadingHistory& history, Millis from, Millis to);

}  // namespace trend
