// Game-folder paths: the game folder followed by a relative path written with
// backslashes ("\Dati\ZirNom.txt"). Each name is matched without regard to letter
// case, and one folder of the game folder may live elsewhere (routeFolder).
#pragma once

#include <string>

namespace tk {

// Turns a path that may mix '/' and '\' into the real file system path: every
// backslash becomes a separator, and each component that does not exist as written
// is looked up in its folder without regard to case. Components that cannot be
// found are kept as written, so the result names where the file would be.
std::string resolvePath(const std::string& mixedPath);

// A name in lower case, for comparing names as resolvePath does: ASCII letters, and
// the Latin-1 capitals À-Þ (except ×) written in UTF-8 as C3 80-9E.
std::string foldCase(const std::string& name);

// True when resolvePath finds an existing file or folder.
bool pathExists(const std::string& mixedPath);

// Sends one folder elsewhere: from this call on, resolvePath (and so everything that
// reads or writes by a game-folder path) turns a path that starts with the folder
// `from` (its names matched without regard to case) into the same path below `to`.
// One folder at a time; an empty `from` ends it.
void routeFolder(const std::string& from, const std::string& to);

}  // namespace tk
