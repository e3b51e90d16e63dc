// Sequential text files: one value per line ended by CR LF, strings in double
// quotes, numbers bare, text in Windows-1252 on disk and UTF-8 in memory.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tk {

// Reads every value of a file in order (paths as for resolvePath). A line may hold
// several values separated by commas; a quoted value keeps its commas and loses its
// quotes; blanks around bare values are dropped. Nothing when the file cannot be read.
std::optional<std::vector<std::string>> readValues(const std::string& mixedPath);

// Writes a file value by value. Nothing reaches the real file until commit(), which
// writes a temporary file in the same folder, flushes it to disk and renames it over
// the old one: a failed save leaves the old file as it was.
class SequentialWriter {
public:
    explicit SequentialWriter(std::string mixedPath);
    void writeString(const std::string& utf8Text);  // "text" CR LF
    void writeNumber(long value);                    // 42 CR LF
    bool commit();                                   // false when the file could not be saved

private:
    std::string path_;
    std::string bytes_;
    bool ok_ = true;
};

}  // namespace tk
