#pragma once

// Shared pieces of the fuzz harnesses: the input as text, a check that stops the run
// when an invariant breaks, and a scratch folder for the readers that take files.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace lodrin::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the run with a message when an invariant of a reader breaks: the input that
// led here is what the fuzzer keeps.
inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

// A folder of this process in memory (/dev/shm, where files cost no disk writes) or
// under the system's temporary folder, removed at exit.
inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "lodrin-fuzz-XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(ScratchFolder(), error);
        });
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// Writes the input to a file of the scratch folder and returns its path.
inline std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    const std::filesystem::path path = ScratchFolder() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

} // namespace lodrin::fuzz
