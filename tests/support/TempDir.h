#pragma once

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace lodrin::test {

class TempDir {
public:
    // `tail` is appended to the folder's name (for spaces and non-ASCII characters).
    explicit TempDir(const std::string& tail = "") {
        std::string pattern = (std::filesystem::temp_directory_path() / "lodrin-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            ADD_FAILURE() << "cannot make a temporary folder";
        }
        Root_ = pattern;
        Path_ = tail.empty() ? Root_ : Root_ / tail;
        std::filesystem::create_directories(Path_);
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(Root_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return Path_; }
    // The folder as a UTF-8 text with a trailing '/'.
    std::string Folder() const { return Path_.string() + "/"; }

private:
    std::filesystem::path Root_;
    std::filesystem::path Path_;
};

} // namespace lodrin::test
