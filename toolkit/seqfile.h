// Sequential text files: one value per line ended by CR LF, strings in double
// quotes, numbers bare, text in Windows-1252 on disk and UTF-8 in memory.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "toolkit/clock.h"

namespace tk {

// The largest file readValues takes: the data files are a few hundred bytes.
constexpr std::size_t kMaxValueFileBytes = 64 * 1024;

// What reading a file found.
struct FileValues {
    enum Status { Read, Missing, Refused };
    Status status = Missing;
    std::string problem;              // why it was refused, for the log
    std::vector<std::string> values;  // one per line, in order
    std::string bytes;                // the file as it is on disk, when Read
};

// Reads a file of one value per line (paths as for resolvePath), as the writer below
// writes them: a line between double quotes gives what lies between the first and
// the last quote, so quotes and commas inside stay; a line opened by a quote that is
// never closed gives the rest of the line; any other line gives itself without its
// surrounding blanks. A UTF-8 byte-order mark at the start is not part of the first
// line. Something that is not a regular file (a pipe, a device) or is
// larger than kMaxValueFileBytes is refused without being read.
FileValues readValues(const std::string& mixedPath);

// Keeps a damaged file before it is overwritten: links it, or else moves it, to
// "<file>.bad-YYYYMMDD-HHMMSS" beside it. True when it was kept or there was nothing
// to keep; false when it is still there and could not be kept.
bool keepDamagedCopy(const std::string& mixedPath, const LocalTime& now);

// The name under which a save, or any other write that puts a file in place whole,
// writes `fileName` first: ".<file>.tmp-<process number>", in the same folder.
std::string temporaryNameFor(const std::string& fileName);

// Removes the temporary files that saves interrupted by the end of the process
// left in a folder.
void removeSaveLeftovers(const std::string& mixedFolder);

// Lets a save that runs into the process's file-size limit fail like one on a full
// disk instead of ending the process. Called once at start.
void keepRunningPastFileSizeLimit();

// Writes a file value by value. Nothing reaches the real file until commit(), which
// writes a temporary file in the same folder, flushes it to disk and renames it over
// the old one: a failed save leaves the old file as it was.
class SequentialWriter {
public:
    explicit SequentialWriter(std::string mixedPath);
    void writeString(const std::string& utf8Text);       // "text" CR LF
    void writeNumber(long value);                        // 42 CR LF
    bool commit();                                       // false when the file could not be saved
    const std::string& bytes() const { return bytes_; }  // what commit() would write

private:
    std::string path_;
    std::string bytes_;
    bool ok_ = true;
};

}  // namespace tk
