#pragma once

#include <QFont>
#include <QString>

namespace lodrin {

// The family of the user interface font: the first installed of "Microsoft YaHei",
// "WenQuanYi Micro Hei" and "Noto Sans CJK SC", else the default sans serif.
QString UiFontFamily();

// The user interface font at a size in pixels.
QFont UiFont(int pixelSize);

} // namespace lodrin
