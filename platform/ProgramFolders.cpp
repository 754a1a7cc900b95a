#include "platform/ProgramFolders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#ifndef LODRIN_SHARE_FROM_BIN
#define LODRIN_SHARE_FROM_BIN "../share/lodrin"
#endif

namespace lodrin {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// The user's data folder for the tool set; empty when neither variable gives one.
std::string UserDataFolder(const ProgramPlace& place) {
    if (IsAbsolute(place.DataHome)) { // a relative value is to be ignored
        return place.DataHome + "/lodrin";
    }
    if (IsAbsolute(place.Home)) {
        return place.Home + "/.local/share/lodrin";
    }
    return {};
}

} // namespace

ProgramFolders ChooseProgramFolders(const ProgramPlace& place) {
    ProgramFolders folders;
    folders.Installed = !place.ProgramFolderWritable || !place.ShareFolder.empty();
    const bool sharedSkins = folders.Installed && !place.ShareFolder.empty();
    folders.Skins = (sharedSkins ? place.ShareFolder : place.ProgramFolder) + "/Skins";
    const std::string userData = folders.Installed ? UserDataFolder(place) : std::string();
    folders.Data = userData.empty() ? place.ProgramFolder : userData;
    return folders;
}

ProgramPlace LookAtProgramPlace(const std::string& programFolder) {
    ProgramPlace place;
    place.ProgramFolder = programFolder;
    place.ProgramFolderWritable = access(programFolder.c_str(), W_OK) == 0;
    const std::filesystem::path share =
        (std::filesystem::path(programFolder) / LODRIN_SHARE_FROM_BIN).lexically_normal();
    std::error_code error;
    if (std::filesystem::is_directory(share, error)) {
        place.ShareFolder = share.string();
    }
    place.DataHome = Environment("XDG_DATA_HOME");
    place.Home = Environment("HOME");
    return place;
}

bool MakeFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

} // namespace lodrin
