#pragma once

// The skin files the build placed in the Skins folder beside the programs,
// loaded as the chooser loads them. LODRIN_SKINS_DIR names the folder.

#include "LoadSkin/SkinFile.h"
#include "LoadSkin/SkinFileInfo.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lodrin::test {

struct ShippedSkin {
    std::string Name;
    SkinTiles Tiles;
};

// Every shipped skin, each checked to be a usable skin file.
inline std::vector<ShippedSkin> LoadShippedSkins() {
    std::vector<ShippedSkin> skins;
    const QDir dir(QStringLiteral(LODRIN_SKINS_DIR));
    for (const QString& name : dir.entryList({"*.bmp"}, QDir::Files)) {
        ShippedSkin skin{name.toStdString(), {}};
        EXPECT_TRUE(LoadSkinFile(dir.filePath(name).toStdString(), skin.Tiles)) << skin.Name;
        EXPECT_TRUE(ReadSkinFileInfo(dir.filePath(name).toStdString()).Usable()) << skin.Name;
        skins.push_back(std::move(skin));
    }
    return skins;
}

} // namespace lodrin::test
