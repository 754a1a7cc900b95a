#include "LoadSkin/CurrentSkin.h"

#include "LoadSkin/DrawnSkin.h"
#include "LoadSkin/SkinFile.h"

namespace lodrin {

TCurrentSkin::TCurrentSkin(SkinStrip strip) : Strip_(std::move(strip)) {
    BuildDrawnSkin(Tiles_);
    LoadDefaultSkin(Strip_, Tiles_);
}

bool TCurrentSkin::LoadFile(const std::string& path) {
    const bool used = LoadSkinFile(path, Tiles_);
    if (!used) {
        BuildDrawnSkin(Tiles_);
    }
    RewriteSkinStrip(Tiles_, Strip_);
    emit Changed();
    return used;
}

void TCurrentSkin::LoadDefault(const QColor& gridColour) {
    LoadDefaultSkin(Strip_, Tiles_, gridColour);
    emit Changed();
}

} // namespace lodrin
