// Keeping a working copy of a program's read-only folders: the copy is refreshed
// when the originals change, and some folders are copied once and then left to
// the user.
#pragma once

#include <string>
#include <vector>

namespace tk {

struct FolderCopyResult {
    int refreshed = 0;                 // folders copied anew in this call
    std::vector<std::string> errors;  // one line each, naming the file or folder
};

// Makes `target` hold a copy of every folder of `source`. A folder listed in
// `copyOnce` is copied only when `target` has none of that name, and is never
// touched afterwards. Every other folder is copied again when one of its files
// changed in `source` (by size or time, as recorded in `target`/`stampName` at the
// last copy) or its copy lost a file or changed size. A folder is copied beside
// its old copy and then renamed into place, and the record is written last, so a
// copy that was interrupted is completed at the next call.
FolderCopyResult refreshFolderCopy(const std::string& source, const std::string& target,
                                   const std::vector<std::string>& copyOnce, const std::string& stampName);

}  // namespace tk
