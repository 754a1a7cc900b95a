#include "Editor_/EditorWindows.h"

#include "Editor_/EditorHelpForm.h"
#include "Editor_/EditorInfForm.h"
#include "LoadSkin/LoadSkinForm.h"
#include "Recog_/RecogForm.h"

namespace lodrin {

TEditorWindows::TEditorWindows(PlatformSeams platform, StartOptions options,
                               const QString& skinsFolder)
    : Editor(platform, options, Skin) {
    Info = new TEditorInfForm_(&Editor);
    RecogForm = new TRecogForm_(&Editor, platform, Recog, Skin, options.MouseWheelSwitch);
    SkinChooser = new TLoadSkinForm(&Editor, skinsFolder, Skin);
    RecogForm->SetSkinChooser(SkinChooser);
    Help = new TEditorHelpForm(&Editor);
    Editor.SetRecognition(&Recog);
    EditorPartners partners;
    partners.Info = Info;
    partners.Help = Help;
    partners.SkinChooser = SkinChooser;
    partners.OpenRecognition = [this] { return RecogForm->Execute(); };
    Editor.SetPartners(std::move(partners));
}

} // namespace lodrin
