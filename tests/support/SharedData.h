#pragma once

// Access to the shared test data beside the checkout (real levels, old stores).
// Tests that need it skip with a clear message when it is absent.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace lodrin::test {

inline std::filesystem::path SharedDir() {
    return std::filesystem::path(LODRIN_SHARED_DIR);
}

// Reads a whole file as bytes; empty when it cannot be read.
inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace lodrin::test

// Skips the current test when the shared file or folder is missing.
#define LODRIN_REQUIRE_SHARED(path)                                                                \
    do {                                                                                           \
        if (!std::filesystem::exists(path)) {                                                      \
            GTEST_SKIP() << "shared test data not found: " << (path).string()                      \
                         << " (the ../shared folder beside the checkout)";                         \
        }                                                                                          \
    } while (0)
