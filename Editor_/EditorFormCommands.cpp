// The editor window's commands: what its buttons, menus, keys and mouse do.
#include "Editor_/EditorForm.h"

#include "Editor_/EditorGrid.h"
#include "Editor_/EditorHelpForm.h"
#include "Editor_/EditorInfForm.h"
#include "LoadSkin/LoadSkinForm.h"
#include "Recog_/RecogState.h"
#include "platform/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

namespace lodrin {

bool TEditorForm_::Confirm(std::string_view question) {
    return Platform_.Messages.Warning(this, FromUtf8(question));
}

void TEditorForm_::BoardChanged() {
    DrawGrid1->viewport()->update();
    ShowCounts();
}

void TEditorForm_::ToolClick(EditTool tool) {
    Doc_.Tool = tool;
    SetSelect();
}

void TEditorForm_::bt_LeftBarClick() {
    Doc_.ToggleBoxPlacement();
    ShowMode();
    SetSelect();
}

SaveOutcome TEditorForm_::SaveToFile() {
    const std::optional<QString> name = Platform_.Files.SaveFileName(this, SaveDialog1Filter);
    if (!name) {
        return {};
    }
    const SaveOutcome outcome =
        Doc_.Save(ToUtf8(*name), [this](std::string_view question) { return Confirm(question); });
    if (!outcome.Message.empty()) {
        ShowMessage(FromUtf8(outcome.Message));
    }
    return outcome;
}

void TEditorForm_::sb_SaveToFileClick() {
    SaveToFile();
}

void TEditorForm_::sb_SaveClick() {
    QGuiApplication::clipboard()->setText(FromUtf8(Doc_.Copy()));
    ShowMessage(QStringLiteral("XSB 已复制到剪切板！"));
}

void TEditorForm_::sb_LoadClick() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText()) {
        return;
    }
    const std::string text = ToUtf8(data->text());
    if (Doc_.Paste(text, [this](std::string_view question) { return Confirm(question); })) {
        BoardChanged();
        ShowLevelCorner();
    }
}

void TEditorForm_::ShowLevelCorner() {
    DrawGrid1->SetView(RevealLevelCorner(LevelBounds(Doc_.board), DrawGrid1->View()));
}

void TEditorForm_::sb_UnDoClick() {
    Doc_.Undo();
    BoardChanged();
}

void TEditorForm_::sb_ReDoClick() {
    Doc_.Redo();
    BoardChanged();
}

void TEditorForm_::sb_ClearClick() {
    Doc_.ClearAll([this](std::string_view question) { return Confirm(question); });
    BoardChanged();
}

void TEditorForm_::sb_InfClick() {
    TEditorInfForm_* info = Partners_.Info;
    if (info == nullptr) {
        return;
    }
    const TMapNode& node = Doc_.MapNode;
    info->Fill(FromUtf8(node.Title), FromUtf8(node.Author), FromUtf8(node.Comment));
    const bool ok = info->exec() == QDialog::Accepted;
    Doc_.ApplyLevelInfo(ok && info->Changed(), ToUtf8(info->Edit1->text()),
                        ToUtf8(info->Edit2->text()), ToUtf8(info->CommentText()));
}

void TEditorForm_::RunNormalize(bool minimal) {
    ShowMessage({});
    const NormalizeOutcome outcome = Doc_.Normalize(minimal);
    ShowCounts();
    const QString message = FromUtf8(NormalizeMessage(outcome.Result));
    if (outcome.Result == NormalizeResult::NormalizeOk) {
        DrawGrid1->viewport()->repaint();
        Platform_.Messages.Information(this, message);
    } else {
        Platform_.Messages.Error(this, message);
    }
}

void TEditorForm_::sb_Xsb_OKClick() {
    RunNormalize(false);
}

void TEditorForm_::N8Click() {
    RunNormalize(true);
}

void TEditorForm_::bt_SkinClick() {
    // A confirmed choice repaints through the skin's change notice.
    if (Partners_.SkinChooser != nullptr) {
        Partners_.SkinChooser->ChangeSkin();
    }
    DrawGrid1->viewport()->update();
}

void TEditorForm_::SetRecognition(TRecogState* recog) {
    Doc_.SetRecognition(recog);
    DrawGrid1->SetRecognition(recog);
}

void TEditorForm_::ReferenceLayersChanged() {
    DrawGrid1->SetReferenceLayers(N6->isChecked(), N7->isChecked());
}

void TEditorForm_::sb_LoadPicClick() {
    if (!Partners_.OpenRecognition) {
        return;
    }
    if (TRecogState* recog = Doc_.Recognition()) {
        recog->BeginVisit();
    }
    if (Partners_.OpenRecognition()) {
        Doc_.TakeOverRecognition();
        N6->setChecked(true);
        N7->setChecked(false);
        ShowCounts();
        ShowLevelCorner();
    }
    DrawGrid1->viewport()->update();
}

void TEditorForm_::sb_HelpClick() {
    if (Partners_.Help != nullptr) {
        Partners_.Help->exec();
    }
}

void TEditorForm_::sb_TrialClick() {
    const TrialHandOver handOver = HandOverToTrial(Doc_.board);
    if (!handOver.Ok()) {
        Platform_.Messages.Error(this, FromUtf8(handOver.Error));
        return;
    }
    // Ctrl held at the click or key picks reverse play.
    const PlayMode mode = Platform_.Modifiers.CtrlDown() ? PlayMode::Reverse : PlayMode::Forward;
    if (Partners_.OpenTrial) {
        Partners_.OpenTrial(handOver.Board, mode);
    }
}

void TEditorForm_::RunShift(ShiftDirection direction) {
    Doc_.Shift(direction, [this](std::string_view question) { return Confirm(question); });
    BoardChanged();
}

void TEditorForm_::N1Click() {
    RunShift(ShiftDirection::Right);
}

void TEditorForm_::N2Click() {
    RunShift(ShiftDirection::Left);
}

void TEditorForm_::N3Click() {
    RunShift(ShiftDirection::Down);
}

void TEditorForm_::N4Click() {
    RunShift(ShiftDirection::Up);
}

void TEditorForm_::N6Click() {
    DrawGrid1->viewport()->update();
}

void TEditorForm_::N7Click() {
    DrawGrid1->viewport()->update();
}

void TEditorForm_::RunClear(ClearKind kind) {
    Doc_.Clear(kind);
    BoardChanged();
}

void TEditorForm_::N9Click() {
    RunClear(ClearKind::Boxes);
}

void TEditorForm_::N10Click() {
    RunClear(ClearKind::Goals);
}

void TEditorForm_::N11Click() {
    RunClear(ClearKind::KeepWalls);
}

void TEditorForm_::RunCommand(EditorCommand command) {
    switch (command) {
    case EditorCommand::None:
        break;
    case EditorCommand::Help:
        sb_HelpClick();
        break;
    case EditorCommand::Skin:
        bt_SkinClick();
        break;
    case EditorCommand::Trial:
        sb_TrialClick();
        break;
    case EditorCommand::ShiftLeft:
        N2Click();
        break;
    case EditorCommand::ShiftUp:
        N4Click();
        break;
    case EditorCommand::ShiftRight:
        N1Click();
        break;
    case EditorCommand::ShiftDown:
        N3Click();
        break;
    case EditorCommand::ZoomReset:
        DrawGrid1->ZoomReset();
        break;
    case EditorCommand::ZoomIn:
        DrawGrid1->ZoomIn();
        break;
    case EditorCommand::ZoomOut:
        DrawGrid1->ZoomOut();
        break;
    case EditorCommand::Copy:
        sb_SaveClick();
        break;
    case EditorCommand::ToggleReference:
        N6->toggle();
        break;
    case EditorCommand::ToggleSmallReference:
        N7->toggle();
        break;
    case EditorCommand::SwitchMode:
        bt_LeftBarClick();
        break;
    case EditorCommand::Save:
        sb_SaveToFileClick();
        break;
    case EditorCommand::Paste:
        sb_LoadClick();
        break;
    case EditorCommand::Redo:
        sb_ReDoClick();
        break;
    case EditorCommand::Undo:
        sb_UnDoClick();
        break;
    case EditorCommand::OpenFile:
        OpenFileClick();
        break;
    case EditorCommand::NextLevel:
        NextLevelClick();
        break;
    case EditorCommand::PreviousLevel:
        PreviousLevelClick();
        break;
    }
}

bool TEditorForm_::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const EditorCommand command = KeyDownCommand(key, modifiers);
    RunCommand(command);
    return StopsKey(command);
}

void TEditorForm_::FormKeyPress(int key, const QString& text) {
    RunCommand(KeyPressCommand(key, text));
}

void TEditorForm_::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    RunCommand(KeyUpCommand(key, modifiers));
    DrawGrid1->viewport()->update();
}

void TEditorForm_::FormMouseWheelDown(Qt::KeyboardModifiers modifiers) {
    DrawGrid1->WheelDown(modifiers);
}

void TEditorForm_::FormMouseWheelUp(Qt::KeyboardModifiers modifiers) {
    DrawGrid1->WheelUp(modifiers);
}

bool TEditorForm_::FormCloseQuery() {
    const auto ask = [this] {
        switch (Platform_.Messages.Question(this, QStringLiteral("有新的修改，保存吗？"))) {
        case MessageAnswer::Yes:
            return CloseAnswer::Yes;
        case MessageAnswer::No:
            return CloseAnswer::No;
        default:
            return CloseAnswer::Cancel;
        }
    };
    return Doc_.QueryClose(ask, [this] { return SaveToFile(); });
}

void TEditorForm_::DrawGrid1MouseDown(Qt::MouseButton button, int row, int col) {
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return;
    }
    Doc_.MouseDown(button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right, row, col);
    DrawGrid1->viewport()->update();
}

void TEditorForm_::DrawGrid1MouseMove(int row, int col) {
    if (Doc_.IsMouseDown()) {
        Doc_.MouseMove(row, col);
        DrawGrid1->viewport()->update();
    }
}

void TEditorForm_::DrawGrid1MouseUp() {
    Doc_.MouseUp();
    BoardChanged();
}

} // namespace lodrin
