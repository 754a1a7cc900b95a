#pragma once

#include "Editor_/EditorDocument.h"
#include "board/LevelCollection.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace lodrin {

// The last opened collection and which of its levels went onto the board last:
// opening a level of it, the next and the previous one, and the position the
// status bar shows.
class TCollectionCursor {
public:
    // Reads level `index` of the collection and puts it onto the document's board
    // (with the overwrite question). On success the collection is the last
    // opened one and the level its current level. Returns whether the board changed.
    bool OpenLevel(TEditorDocument& doc, std::shared_ptr<const LevelCollection> collection,
                   std::size_t index, const ConfirmFn& confirm);
    // The level after (or before) the current one; false at the end, and when
    // no collection was opened or the question was cancelled.
    bool OpenNext(TEditorDocument& doc, const ConfirmFn& confirm);
    bool OpenPrevious(TEditorDocument& doc, const ConfirmFn& confirm);

    bool HasCollection() const { return Collection_ != nullptr; }
    std::size_t Index() const { return Index_; }
    // "第 N / M 关": the current level's number and the collection's level count.
    std::string PositionText() const;

private:
    bool OpenAt(TEditorDocument& doc, std::optional<std::size_t> index, const ConfirmFn& confirm);

    std::shared_ptr<const LevelCollection> Collection_;
    std::size_t Index_ = 0;
};

} // namespace lodrin
