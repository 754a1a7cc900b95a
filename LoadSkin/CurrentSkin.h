#pragma once

#include "LoadSkin/SkinStrip.h"
#include "LoadSkin/SkinTiles.h"

#include <QObject>

#include <string>

namespace lodrin {

// The program's one current skin: the tiles the trial field paints with and the
// strip the editor's grid and the recognition window paint from. Made at program
// start and handed to every window that paints tiles; a window that shows tiles
// connects to Changed and repaints.
class TCurrentSkin : public QObject {
    Q_OBJECT
public:
    // The built-in skin: the strip's own picture, and tiles filled from it at
    // its 60-pixel size (their wall extension and pieces those of the drawn skin).
    TCurrentSkin() : TCurrentSkin(SkinStrip()) {}
    // The skin the strip shows, its tiles filled from it in the same way.
    explicit TCurrentSkin(SkinStrip strip);

    const SkinTiles& Tiles() const { return Tiles_; }
    const SkinStrip& Strip() const { return Strip_; }

    // Makes the skin file at path (UTF-8) current; a file that cannot be used
    // gives the drawn skin instead. Either way the strip is rewritten from the
    // new tiles and Changed is sent. Returns whether the file was used.
    bool LoadFile(const std::string& path);

    // Refills the tiles from the strip at its 60-pixel size, with gridColour for
    // the grid lines, and sends Changed.
    void LoadDefault(const QColor& gridColour = InactiveCaptionTextColour());

signals:
    // The tiles and the strip were replaced.
    void Changed();

private:
    SkinTiles Tiles_;
    SkinStrip Strip_;
};

} // namespace lodrin
