#pragma once

#include <QString>
#include <Qt>

namespace lodrin {

// What a key of the editor window does.
enum class EditorCommand {
    None,
    Help,                 // sb_Help
    Skin,                 // bt_Skin
    Trial,                // sb_Trial
    ShiftLeft,            // N2
    ShiftUp,              // N4
    ShiftRight,           // N1
    ShiftDown,            // N3
    ZoomReset,            // cell size back to 60
    ZoomIn,               // larger cells
    ZoomOut,              // smaller cells
    Copy,                 // sb_Save
    ToggleReference,      // N6
    ToggleSmallReference, // N7
    SwitchMode,           // bt_LeftBar
    Save,                 // sb_SaveToFile
    Paste,                // sb_Load
    Redo,                 // sb_ReDo
    Undo,                 // sb_UnDo
    OpenFile,             // open a level file
    NextLevel,            // the next level of the last opened collection
    PreviousLevel,        // the previous level of the last opened collection
};

// The command of a key going down; the shifts and the level steps also stop
// the key there.
EditorCommand KeyDownCommand(int key, Qt::KeyboardModifiers modifiers);

// The command of a typed character (Esc counts as one).
EditorCommand KeyPressCommand(int key, const QString& text);

// The command of a key coming up.
EditorCommand KeyUpCommand(int key, Qt::KeyboardModifiers modifiers);

// Whether the command ends the key's way (it does not reach the grid).
bool StopsKey(EditorCommand command);

} // namespace lodrin
