// Draws the skin files shipped with the programs into the Skins folder, and on
// request pictures of each skin's wall pieces and walls to look at.
//
//   lodrin_skingen <skins folder> <file name>... [--preview <folder>]

#include "SkinThemes.h"

#include "LoadSkin/SkinFile.h"
#include "LoadSkin/SkinFileInfo.h"
#include "LoadSkin/SkinStrip.h"
#include "LoadSkin/WallLayout.h"

#include <QDir>
#include <QPainter>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace lodrin;

// Wall shapes that show every wall mask: single walls, runs, corners, crossings,
// 2 x 2 and 3 x 3 blocks, and a room with a few boxes and goals.
const std::vector<std::string> ShapeRows = {
    "---------------------", "-#--###--#---##--###-", "---------#---#---###-",
    "-#-------#-------###-", "-#--#-#-----##-------", "-#--###--##--#---#---",
    "----#-#--##-----###--", "-----------------#---", "---------------------",
};

const std::vector<std::string> RoomRows = {
    "    #####          ", "    #---#          ", "    #$--#          ", "  ###--$##         ",
    "  #--$-$-#         ", "###-#-##-#   ######", "#---#-##-#####--..#", "#-$--$----------..#",
    "#####-###-#@##--..#", "    #-----#########", "    #######        ",
};

// The sixteen mask images and the corner piece side by side, with gaps.
QImage PiecesPicture(const SkinTiles& tiles) {
    const int a = tiles.TileSize;
    const int gap = std::max(4, a / 8);
    QImage out(17 * (a + gap) + gap, a + 2 * gap, QImage::Format_RGB32);
    out.fill(QColor(40, 40, 40));
    QPainter painter(&out);
    for (int mask = 0; mask < WallMaskCount; ++mask) {
        painter.drawImage(gap + mask * (a + gap), gap, tiles.WallImage(mask));
    }
    if (tiles.Seamless) {
        painter.drawImage(gap + 16 * (a + gap), gap, tiles.CornerPiece);
    }
    return out;
}

QImage Enlarged(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool Save(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Pictures of one skin: its pieces, shapes and a room at tile size, small skins enlarged.
bool WritePreview(const SkinTiles& tiles, const QString& folder, const QString& stem) {
    const int factor = tiles.TileSize < 40 ? 3 : 1;
    SkinStrip strip;
    RewriteSkinStrip(tiles, strip);
    return Save(Enlarged(PiecesPicture(tiles), factor), folder + "/" + stem + "-pieces.png") &&
           Save(Enlarged(PaintWallLayout(tiles, ShapeRows, tiles.TileSize), factor),
                folder + "/" + stem + "-shapes.png") &&
           Save(PaintWallLayout(tiles, RoomRows, tiles.TileSize),
                folder + "/" + stem + "-room.png") &&
           Save(strip.Image, folder + "/" + stem + "-strip.png");
}

// The built-in skin as the trial field shows it, at 60 and at 20 pixels a square.
bool WriteBuiltInPreview(const QString& folder) {
    const SkinStrip strip;
    SkinTiles tiles;
    LoadDefaultSkin(strip, tiles);
    return Save(strip.Image, folder + "/BuiltIn-strip.png") &&
           Save(PaintWallLayout(tiles, RoomRows, 60), folder + "/BuiltIn-room.png") &&
           Save(PaintWallLayout(tiles, RoomRows, 20), folder + "/BuiltIn-room20.png");
}

const skingen::SkinTheme* FindTheme(const std::string& name) {
    for (const skingen::SkinTheme& theme : skingen::SkinThemes()) {
        if (theme.FileName == name) {
            return &theme;
        }
    }
    return nullptr;
}

// Draws one skin file, checks it reads back as a skin, and writes its preview.
bool MakeSkin(const skingen::SkinTheme& theme, const QString& skins, const QString& preview) {
    const QImage picture = theme.Draw();
    const QString path = skins + "/" + QString::fromStdString(theme.FileName);
    if (SkinTileSizeOf(picture.width(), picture.height()) != theme.TileSize ||
        !picture.save(path, "BMP")) {
        std::fprintf(stderr, "skingen: cannot write %s\n", qPrintable(path));
        return false;
    }
    SkinTiles tiles;
    if (!LoadSkinFile(path.toStdString(), tiles)) {
        std::fprintf(stderr, "skingen: %s does not read back as a skin\n", qPrintable(path));
        return false;
    }
    const QString stem = QString::fromStdString(theme.FileName).section('.', 0, 0);
    return preview.isEmpty() || WritePreview(tiles, preview, stem);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    QString preview;
    if (args.size() >= 2 && args[args.size() - 2] == "--preview") {
        preview = QString::fromStdString(args.back());
        args.resize(args.size() - 2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr,
                     "usage: lodrin_skingen <skins folder> <file name>... [--preview <folder>]\n");
        return 2;
    }
    const QString skins = QString::fromStdString(args[0]);
    if (!QDir().mkpath(skins) || (!preview.isEmpty() && !QDir().mkpath(preview))) {
        std::fprintf(stderr, "skingen: cannot make the output folders\n");
        return 1;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const skingen::SkinTheme* theme = FindTheme(args[i]);
        if (theme == nullptr) {
            std::fprintf(stderr, "skingen: no skin named %s\n", args[i].c_str());
            return 1;
        }
        if (!MakeSkin(*theme, skins, preview)) {
            return 1;
        }
    }
    return preview.isEmpty() || WriteBuiltInPreview(preview) ? 0 : 1;
}
