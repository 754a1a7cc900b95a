// Draws the application icon's pixel sizes from its SVG drawing.
//
//   lodrin_icongen <drawing.svg> <size> <out.png> [<size> <out.png>]...

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

namespace {

bool DrawIcon(QSvgRenderer& drawing, int size, const QString& path) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter);
    painter.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!icon.save(path, "PNG")) {
        std::fprintf(stderr, "icongen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: lodrin_icongen <drawing.svg> <size> <out.png>...\n");
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "icongen: cannot read %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        const int size = std::atoi(argv[i]);
        if (size < 16 || size > 1024 ||
            !DrawIcon(drawing, size, QString::fromLocal8Bit(argv[i + 1]))) {
            return 1;
        }
    }
    return 0;
}
