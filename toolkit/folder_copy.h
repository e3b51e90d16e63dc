// The user's own copy of a program's shipped files: a folder seeded file by file,
// never over a file already there and safely when several copies of the program
// start at once; and the clearing of a copy an earlier version made of files the
// program now reads where they are shipped.
#pragma once

#include <string>
#include <vector>

namespace tk {

struct SeedResult {
    int seeded = 0;                   // files copied in this call
    std::vector<std::string> errors;  // one line each, naming the file or folder
};

// Copies into `target` (created when missing) each regular file of `source`, not
// those of its subfolders, whose name `target` holds in no letter case. Nothing in
// `target` is ever overwritten: a file is written in full under a temporary name and
// then linked in under its own, and one that another process linked in first counts
// as there. When `target` cannot be made a folder, the one error names why: the link
// to nothing or the file in its way, or else the system's reason.
SeedResult seedFolder(const std::string& source, const std::string& target);

struct OldCopyResult {
    int removed = 0;                  // files removed
    std::vector<std::string> kept;    // files the record names that were kept: not as the copy left them
    std::vector<std::string> errors;  // one line each, naming the file
};

// Clears what an earlier version copied of `source` into `target`, as its record
// `target`/`stampName` lists it (a line per file: its path below the folder, a tab,
// its size, a tab, its time), written after the copies. A file goes only when the
// record names it and it is still the copy: of the recorded size and not written
// since the record, whether or not `source` still holds a file of that name, or else
// byte for byte what `source` holds under that name now. A folder goes only when that
// left it empty and the record names something in it; the half-made copies of an
// interrupted copy (`.<folder>.part`, `.<folder>.old`) are cleared the same way.
// Anything else in `target` stays, and is named in `kept` once: the record goes,
// unless a file that should go could not be removed; then it keeps only the lines
// naming such files, and its time, and those are tried again at the next call.
// Nothing happens without a record, or when `target` and `source` are one folder.
OldCopyResult removeUnchangedCopy(const std::string& source, const std::string& target, const std::string& stampName);

}  // namespace tk
