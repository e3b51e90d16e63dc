// One-line messages to the standard error output.
#pragma once

#include <string>

namespace tk {

void logLine(const std::string& message);
// Logs "missing file: <path>" once per path for the whole run.
void logMissingFile(const std::string& path);
// Logs "damaged file: <path>" once per path for the whole run.
void logDamagedFile(const std::string& path);

}  // namespace tk
