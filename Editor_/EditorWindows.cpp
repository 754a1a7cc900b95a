#include "Editor_/EditorWindows.h"

#include "Editor_/EditorHelpForm.h"
#include "Editor_/EditorInfForm.h"
#include "LoadSkin/LoadSkinForm.h"

namespace lodrin {

TEditorWindows::TEditorWindows(PlatformSeams platform, StartOptions options,
                               const QString& skinsFolder)
    : Editor(platform, options, Skin) {
    Info = new TEditorInfForm_(&Editor);
    SkinChooser = new TLoadSkinForm(&Editor, skinsFolder, Skin);
    Help = new TEditorHelpForm(&Editor);
    EditorPartners partners;
    partners.Info = Info;
    partners.Help = Help;
    partners.SkinChooser = SkinChooser;
    Editor.SetPartners(std::move(partners));
}

} // namespace lodrin
