#include "toolkit/log.h"

#include <cstdio>
#include <mutex>
#include <set>

namespace tk {

namespace {
std::mutex logMutex;
}

void logLine(const std::string& message) {
    const std::string line = "zirimbo: " + message + "\n";
    std::lock_guard lock(logMutex);
    std::fwrite(line.data(), 1, line.size(), stderr);
}

namespace {
void logOnce(const std::string& what, const std::string& path) {
    static std::set<std::string> reported;
    {
        std::lock_guard lock(logMutex);
        if (!reported.insert(path).second) return;
    }
    logLine(what + ": " + path);
}
}  // namespace

void logMissingFile(const std::string& path) { logOnce("missing file", path); }

void logDamagedFile(const std::string& path) { logOnce("damaged file", path); }

}  // namespace tk
