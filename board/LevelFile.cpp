#include "board/LevelFile.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lodrin {
namespace fs = std::filesystem;
namespace {

fs::path ToPath(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A name beside the target that no file holds yet.
fs::path TemporaryBeside(const fs::path& target) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = target;
        candidate += ".~" + std::to_string(stamp) + "-" + std::to_string(attempt) + ".tmp";
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec))) {
            return candidate;
        }
    }
    return {};
}

bool WriteAll(const fs::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.write("\r\n", 2);
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

std::string FixLevelFileName(std::string_view fileName) {
    fs::path path = ToPath(fileName);
    const fs::path ext = path.extension();
    if (ext.empty() || ext == ".") {
        path.replace_extension(".xsb");
    }
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

bool LevelFileExists(std::string_view fileName) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(ToPath(fileName), ec));
}

bool SaveLevelFile(std::string_view fileName, std::string_view levelText) {
    std::error_code ec;
    fs::path target = ToPath(fileName);
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        // Write through the link, so the link keeps pointing where it did.
        target = fs::weakly_canonical(target, ec);
        if (ec) {
            return false;
        }
    }
    if (fs::is_directory(target, ec)) {
        return false;
    }
    const fs::path temp = TemporaryBeside(target);
    if (temp.empty()) {
        return false;
    }
    if (!WriteAll(temp, levelText)) {
        fs::remove(temp, ec);
        return false;
    }
    // Keep the permissions of the file being replaced.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::exists(old)) {
        fs::permissions(temp, old.permissions(), ec);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

FileBytesResult ReadLevelFileBytes(std::string_view fileName, std::uintmax_t maxBytes,
                                   std::string& bytes, const std::atomic<bool>* stop) {
    constexpr std::size_t Chunk = std::size_t{4} << 20;
    bytes.clear();
    std::error_code ec;
    const fs::path path = ToPath(fileName);
    if (!fs::is_regular_file(fs::status(path, ec))) {
        return FileBytesResult::Unreadable;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        return FileBytesResult::Unreadable;
    }
    if (size > maxBytes) {
        return FileBytesResult::TooLarge;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return FileBytesResult::Unreadable;
    }
    bytes.reserve(static_cast<std::size_t>(size));
    std::string chunk(Chunk, '\0');
    while (in) {
        if (stop != nullptr && stop->load()) {
            return FileBytesResult::Stopped;
        }
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > maxBytes) {
            return FileBytesResult::TooLarge; // it grew while being read
        }
    }
    return in.bad() ? FileBytesResult::Unreadable : FileBytesResult::Ok;
}

} // namespace lodrin
