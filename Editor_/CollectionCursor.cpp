#include "Editor_/CollectionCursor.h"

namespace lodrin {

bool TCollectionCursor::OpenLevel(TEditorDocument& doc,
                                  std::shared_ptr<const LevelCollection> collection,
                                  std::size_t index, const ConfirmFn& confirm) {
    // The board takes no more than 100 rows of 100 cells, so no more are kept.
    TMapNode level;
    if (collection == nullptr || !ReadCollectionLevel(*collection, index, level, BoardSize) ||
        !doc.OpenLevel(std::move(level), confirm)) {
        return false;
    }
    Collection_ = std::move(collection);
    Index_ = index;
    return true;
}

bool TCollectionCursor::OpenAt(TEditorDocument& doc, std::optional<std::size_t> index,
                               const ConfirmFn& confirm) {
    return index && OpenLevel(doc, Collection_, *index, confirm);
}

bool TCollectionCursor::OpenNext(TEditorDocument& doc, const ConfirmFn& confirm) {
    const bool more = HasCollection() && Index_ + 1 < Collection_->Levels.size();
    return OpenAt(doc, more ? std::optional<std::size_t>(Index_ + 1) : std::nullopt, confirm);
}

bool TCollectionCursor::OpenPrevious(TEditorDocument& doc, const ConfirmFn& confirm) {
    const bool before = HasCollection() && Index_ > 0;
    return OpenAt(doc, before ? std::optional<std::size_t>(Index_ - 1) : std::nullopt, confirm);
}

std::string TCollectionCursor::PositionText() const {
    if (!HasCollection()) {
        return {};
    }
    return "第 " + std::to_string(Index_ + 1) + " / " + std::to_string(Collection_->Levels.size()) +
           " 关";
}

} // namespace lodrin
