#include "Editor_/RecentFiles.h"

#include <algorithm>

namespace lodrin {

std::vector<std::string> AddRecentFile(std::vector<std::string> recent, const std::string& path) {
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
    recent.insert(recent.begin(), path);
    if (recent.size() > MaxRecentFiles) {
        recent.resize(MaxRecentFiles);
    }
    return recent;
}

} // namespace lodrin
