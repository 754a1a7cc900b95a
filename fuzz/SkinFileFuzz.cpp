// Skin files: the headers read from any bytes (and a run-length file's codes walked),
// then the file loaded as the chooser and the skin do. A file the headers call readable
// must decode; one they do not is never loaded.

#include "LoadSkin/BitmapHeader.h"
#include "LoadSkin/SkinFile.h"
#include "LoadSkin/SkinTiles.h"
#include "fuzz/FuzzInput.h"

#include <QGuiApplication>

using namespace lodrin;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::AsText(data, size);
    BitmapHeader header =
        ReadBitmapHeader(bytes.substr(0, BitmapHeaderBytes), static_cast<std::int64_t>(size));
    if (header.RunLength && static_cast<std::int64_t>(size) <= MaxRunLengthFileBytes) {
        CheckRunLengthFile(bytes, header);
    }
    const std::string path = fuzz::WriteScratchFile("skin.bmp", bytes);
    const SkinPreview preview = ReadSkinPreview(path);
    fuzz::Require(header.Complete || !preview.Info.Readable, "only complete bitmaps are read");
    if (!preview.Picture.isNull()) {
        fuzz::Require(preview.Picture.width() == header.Width, "the decoded width is the header's");
        fuzz::Require(preview.Picture.height() == header.Height, "and so is the height");
    }
    SkinTiles tiles;
    const bool loaded = LoadSkinFile(path, tiles);
    fuzz::Require(!loaded || preview.Confirmable(), "what loads is what the chooser confirms");
    return 0;
}
