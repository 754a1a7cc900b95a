#pragma once

#include <string>
#include <vector>

namespace lodrin {

// The editor's level record: the rows last read, and the level's header texts.
struct TMapNode {
    std::vector<std::string> Rows; // untrimmed board rows, a staging area for Paste
    std::string Title;
    std::string Author;
    std::string Comment; // may hold LF (from the clipboard) or CR LF (from the info dialog)

    void Clear() {
        Rows.clear();
        Title.clear();
        Author.clear();
        Comment.clear();
    }
    friend bool operator==(const TMapNode&, const TMapNode&) = default;
};

} // namespace lodrin
