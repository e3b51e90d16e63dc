#include "toolkit/regular_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

FileBytes readRegularFile(const std::string& path, std::size_t maxBytes) {
    FileBytes result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            result.status = FileBytes::Refused;
            result.problem = std::strerror(errno);
        }
        return result;
    }
    result.status = FileBytes::Refused;
    const std::string tooLarge = "larger than " + std::to_string(maxBytes) + " bytes";
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.problem = std::strerror(errno);
    } else if (!S_ISREG(st.st_mode)) {
        result.problem = "not a regular file";
    } else if (static_cast<unsigned long long>(st.st_size) > maxBytes) {
        result.problem = tooLarge;
    } else {
        // Read one byte past the limit, for a file that grows while it is read.
        char buffer[8192];
        ssize_t got = 0;
        while (result.bytes.size() <= maxBytes && (got = ::read(fd, buffer, sizeof buffer)) != 0) {
            if (got < 0) {
                if (errno == EINTR) continue;
                result.problem = std::strerror(errno);
                break;
            }
            result.bytes.append(buffer, static_cast<std::size_t>(got));
        }
        if (result.problem.empty() && result.bytes.size() > maxBytes) result.problem = tooLarge;
    }
    ::close(fd);
    if (result.problem.empty())
        result.status = FileBytes::Read;
    else
        result.bytes.clear();
    return result;
}

}  // namespace tk
