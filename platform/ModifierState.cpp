#include "platform/ModifierState.h"

#include <QGuiApplication>

namespace lodrin {

Qt::KeyboardModifiers TQtModifierState::Current() const {
    return QGuiApplication::queryKeyboardModifiers();
}

} // namespace lodrin
