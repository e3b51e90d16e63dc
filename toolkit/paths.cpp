#include "toolkit/paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace tk {

std::string foldCase(const std::string& name) {
    std::string out = name;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (b >= 'A' && b <= 'Z') {
            out[i] = static_cast<char>(b + ('a' - 'A'));
        } else if (b == 0xC3 && i + 1 < out.size()) {
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) out[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return out;
}

namespace {

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::path(path), ec);
}

// The entry of `folder` whose name matches `name` without regard to case; when
// several do, the first in byte order, so the choice does not depend on the folder's
// listing order. Empty when there is none.
std::string findInFolder(const std::string& folder, const std::string& name) {
    const std::string wanted = foldCase(name);
    std::string best;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) return best;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::string entry = it->path().filename().string();
        if (foldCase(entry) == wanted && (best.empty() || entry < best)) best = std::move(entry);
    }
    return best;
}

std::string withSlashes(std::string path) {
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

// The names of a path written with '/', without empty ones.
std::vector<std::string> namesOf(const std::string& path) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        if (slash > start) names.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return names;
}

// The folder routeFolder sends elsewhere: its names folded to lower case.
struct Route {
    std::vector<std::string> from;
    bool fromAbsolute = false;
    std::vector<std::string> to;
    bool toAbsolute = false;
};
Route& route() {
    static Route r;
    return r;
}

}  // namespace

void routeFolder(const std::string& from, const std::string& to) {
    Route& r = route();
    const std::string f = withSlashes(from), t = withSlashes(to);
    r.from.clear();
    for (const std::string& name : namesOf(f)) r.from.push_back(foldCase(name));
    r.fromAbsolute = !f.empty() && f.front() == '/';
    r.to = namesOf(t);
    r.toAbsolute = !t.empty() && t.front() == '/';
}

std::string resolvePath(const std::string& mixedPath) {
    const std::string path = withSlashes(mixedPath);
    bool absolute = !path.empty() && path.front() == '/';
    const bool trailingSlash = path.size() > 1 && path.back() == '/';
    std::vector<std::string> parts = namesOf(path);

    const Route& r = route();
    if (!r.from.empty() && absolute == r.fromAbsolute && parts.size() >= r.from.size() &&
        std::equal(r.from.begin(), r.from.end(), parts.begin(),
                   [](const std::string& routed, const std::string& part) { return routed == foldCase(part); })) {
        std::vector<std::string> routed = r.to;
        routed.insert(routed.end(), parts.begin() + static_cast<std::ptrdiff_t>(r.from.size()), parts.end());
        parts = std::move(routed);
        absolute = r.toAbsolute;
    }

    std::string result = absolute ? "/" : "";
    bool parentExists = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        const std::string folder = result;
        if (!result.empty() && result.back() != '/') result += '/';
        std::string candidate = result + part;
        if (parentExists && !exists(candidate)) {
            const std::string match = (part == "." || part == "..") ? std::string() : findInFolder(folder, part);
            if (match.empty()) {
                // Everything below a missing component is missing too: keep the rest as written.
                parentExists = false;
            } else {
                candidate = result + match;
            }
        }
        result = std::move(candidate);
    }
    if (trailingSlash && !result.empty() && result.back() != '/') result += '/';
    return result;
}

bool pathExists(const std::string& mixedPath) {
    const std::string resolved = resolvePath(mixedPath);
    return !resolved.empty() && exists(resolved);
}

}  // namespace tk
