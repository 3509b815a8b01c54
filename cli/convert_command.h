#pragma once
// One conversion from the command line: read, convert, save, report.

#include "arguments.h"

namespace zrlcli {

enum ExitStatus { kConverted = 0, kNotARecord = 1, kFailed = 2 };

// Converts arguments.input and writes the results; reports a failure on
// standard error. Nothing is written unless the result is kConverted.
ExitStatus RunConversion(const Arguments& arguments);

} // namespace zrlcli
