// Reading a whole file the program did not write itself: only a regular file,
// only up to a size, and never waiting on a pipe or a device.
#pragma once

#include <cstddef>
#include <string>

namespace tk {

struct FileBytes {
    enum Status { Read, Missing, Refused };
    Status status = Missing;
    std::string bytes;    // the whole content, when Read
    std::string problem;  // why it was refused, for the log
};

// Opens `path` without waiting, so that a pipe in place of the file cannot hold
// the program up, and checks what it is on the open file itself: anything but a
// regular file, or a file larger than `maxBytes` (also one that grows past it
// while it is read), is refused unread.
FileBytes readRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace tk
