#include "board/LevelFile.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

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

bool WriteFully(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes the text and a final CR LF to a new file and flushes it to the disk, so that
// the rename that follows never puts an empty or partly written file in place.
bool WriteAll(const fs::path& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    bool ok = WriteFully(fd, text) && WriteFully(fd, "\r\n") && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

// Flushes a folder's entries to the disk, so that a rename in it lasts through a power
// cut. Folders that cannot be flushed (some file systems) are left as they are.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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
    SyncFolder(target.parent_path());
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
