#pragma once

#include "Editor_/EditorForm.h"
#include "LoadSkin/CurrentSkin.h"
#include "Recog_/RecogState.h"

#include <QString>

namespace lodrin {

class TEditorHelpForm;
class TEditorInfForm_;
class TLoadSkinForm;
class TRecogForm_;
class TTrialForm;

// The editor program's windows, created in their start order and joined: the
// editor window, the level-info dialog, the recognition window, the skin
// chooser, the help window and the trial window. The others are children of
// the editor window and live as long as it does.
class TEditorWindows {
public:
    TEditorWindows(PlatformSeams platform, StartOptions options, const QString& skinsFolder);

    // The current skin, painted by every window that shows tiles.
    TCurrentSkin Skin;
    // The recognition state the recognition window and the editor share.
    TRecogState Recog;
    TEditorForm_ Editor;
    TEditorInfForm_* Info = nullptr;
    TRecogForm_* RecogForm = nullptr;
    TLoadSkinForm* SkinChooser = nullptr;
    TEditorHelpForm* Help = nullptr;
    TTrialForm* Trial = nullptr;
};

} // namespace lodrin
