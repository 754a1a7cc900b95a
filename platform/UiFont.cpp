#include "platform/UiFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace lodrin {

QString UiFontFamily() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : {"Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC"}) {
        const QString name = QString::fromLatin1(family);
        if (installed.contains(name, Qt::CaseInsensitive)) {
            return name;
        }
    }
    QFont fallback;
    fallback.setStyleHint(QFont::SansSerif);
    return fallback.defaultFamily();
}

QFont UiFont(int pixelSize) {
    QFont font(UiFontFamily());
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace lodrin
