#include "LoadSkin/SkinFileInfo.h"

#include "LoadSkin/BitmapHeader.h"

#include <QFile>
#include <QImageReader>

namespace lodrin {

bool PassesSkinSizeRule(int width, int height) {
    return width == 2 * height && width % 4 == 0 && width >= MinSkinWidth && width <= MaxSkinWidth;
}

int SkinTileSizeOf(int width, int height) {
    return PassesSkinSizeRule(width, height) ? width / 4 : 0;
}

SkinFileInfo ReadSkinFileInfo(const std::string& path) {
    QFile file;
    QImageReader reader;
    const BitmapHeader header = OpenBitmapFile(path, file, reader);
    if (!header.Complete) {
        return {};
    }
    return {true, header.Width, header.Height};
}

} // namespace lodrin
