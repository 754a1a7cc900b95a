#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace lodrin {

// The windows speak QString, the logic UTF-8 std::string: the two conversions.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace lodrin
