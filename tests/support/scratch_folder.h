// A scratch folder of a test's own: made new under the temporary folder (or another
// base) with a name no other process can hold, and removed with all it contains when
// the object ends. Two test runs sharing the temporary folder, even with the same
// process numbers, never touch each other's folders.
#pragma once

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

namespace scratch {

class Folder {
public:
    explicit Folder(const std::string& prefix = "zirimbo",
                    const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::string name = (base / (prefix + "-XXXXXX")).string();
        if (::mkdtemp(name.data()) == nullptr)
            throw std::system_error(errno, std::generic_category(), "mkdtemp " + name);
        path_ = name;
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace scratch
