#include "Editor_/EditorWindows.h"

#include "Editor_/EditorHelpForm.h"
#include "Editor_/EditorInfForm.h"
#include "LoadSkin/LoadSkinForm.h"
#include "Recog_/RecogForm.h"
#include "TrialUnit/TrialForm.h"

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
    TEditorDocument& doc = Editor.Document();
    Trial = new TTrialForm(&Editor, platform.Clock, Skin, {doc.board, doc.MapNode});
    EditorPartners partners;
    partners.Info = Info;
    partners.Help = Help;
    partners.SkinChooser = SkinChooser;
    partners.OpenRecognition = [this] { return RecogForm->Execute(); };
    partners.OpenTrial = [trial = Trial](const TrialBoard& board, PlayMode mode) {
        trial->ShowTrial(board, mode);
    };
    Editor.SetPartners(std::move(partners));
}

} // namespace lodrin
