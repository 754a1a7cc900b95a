#include "Editor_/EditorKeys.h"

namespace lodrin {
namespace {

// One row of a key table: the key, the modifiers that must be held and those
// that must not, and the command.
struct KeyRow {
    int Key;
    Qt::KeyboardModifiers Held;
    Qt::KeyboardModifiers NotHeld;
    EditorCommand Command;
};

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers Shift = Qt::ShiftModifier;

const KeyRow KeyDownTable[] = {
    {Qt::Key_F1, None, None, EditorCommand::Help},
    {Qt::Key_F2, None, None, EditorCommand::Skin},
    {Qt::Key_F5, None, None, EditorCommand::Trial},
    {Qt::Key_F6, None, None, EditorCommand::Trial},
    {Qt::Key_Left, Ctrl, None, EditorCommand::ShiftLeft},
    {Qt::Key_Up, Ctrl, None, EditorCommand::ShiftUp},
    {Qt::Key_Right, Ctrl, None, EditorCommand::ShiftRight},
    {Qt::Key_Down, Ctrl, None, EditorCommand::ShiftDown},
    // Ctrl alone with Page Up and Page Down belongs to the grid.
    {Qt::Key_PageDown, Ctrl | Shift, None, EditorCommand::NextLevel},
    {Qt::Key_PageUp, Ctrl | Shift, None, EditorCommand::PreviousLevel},
};

const KeyRow KeyUpTable[] = {
    {Qt::Key_C, Ctrl, None, EditorCommand::Copy},
    {Qt::Key_G, None, None, EditorCommand::ToggleReference},
    {Qt::Key_T, None, None, EditorCommand::ToggleSmallReference},
    {Qt::Key_H, None, None, EditorCommand::SwitchMode},
    {Qt::Key_S, Ctrl, None, EditorCommand::Save},
    {Qt::Key_V, Ctrl, None, EditorCommand::Paste},
    {Qt::Key_Z, Shift, None, EditorCommand::Redo},
    {Qt::Key_Z, Ctrl, Shift, EditorCommand::Undo},
    {Qt::Key_O, Ctrl, None, EditorCommand::OpenFile},
};

template <std::size_t N>
EditorCommand Find(const KeyRow (&table)[N], int key, Qt::KeyboardModifiers modifiers) {
    for (const KeyRow& row : table) {
        if (row.Key == key && (modifiers & row.Held) == row.Held && !(modifiers & row.NotHeld)) {
            return row.Command;
        }
    }
    return EditorCommand::None;
}

} // namespace

EditorCommand KeyDownCommand(int key, Qt::KeyboardModifiers modifiers) {
    return Find(KeyDownTable, key, modifiers);
}

EditorCommand KeyPressCommand(int key, const QString& text) {
    if (key == Qt::Key_Escape || text == QStringLiteral("*")) {
        return EditorCommand::ZoomReset;
    }
    if (text == QStringLiteral("+")) {
        return EditorCommand::ZoomIn;
    }
    if (text == QStringLiteral("-")) {
        return EditorCommand::ZoomOut;
    }
    return EditorCommand::None;
}

EditorCommand KeyUpCommand(int key, Qt::KeyboardModifiers modifiers) {
    return Find(KeyUpTable, key, modifiers);
}

bool StopsKey(EditorCommand command) {
    return command == EditorCommand::ShiftLeft || command == EditorCommand::ShiftUp ||
           command == EditorCommand::ShiftRight || command == EditorCommand::ShiftDown ||
           command == EditorCommand::NextLevel || command == EditorCommand::PreviousLevel;
}

} // namespace lodrin
