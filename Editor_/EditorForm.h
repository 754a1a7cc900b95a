#pragma once

#include "Editor_/CollectionCursor.h"
#include "Editor_/EditorCursors.h"
#include "Editor_/EditorDocument.h"
#include "Editor_/EditorKeys.h"
#include "Editor_/StartOptions.h"
#include "LoadSkin/CurrentSkin.h"
#include "TrialUnit/TrialHandOver.h"
#include "platform/CommandIcons.h"
#include "platform/Platform.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class QStatusBar;

namespace lodrin {

class TEditorGrid;
class TEditorHelpForm;
class TEditorInfForm_;
class TLevelChooserForm;
class TLevelFileReader;
class TLoadSkinForm;

// The panels of the status bar, left to right.
enum class StatusPanel {
    RowCaption,
    Row,
    ColCaption,
    Col,
    BoxCaption,
    Boxes,
    GoalCaption,
    Goals,
    Message
};

// The windows the editor opens. The trial field and the recognition window
// connect through the two hand-overs; until then their buttons do nothing.
// OpenRecognition shows the recognition window modally and says whether the
// user accepted its result.
struct EditorPartners {
    TEditorInfForm_* Info = nullptr;
    TEditorHelpForm* Help = nullptr;
    TLoadSkinForm* SkinChooser = nullptr;
    // Shows the trial field on the keeper's area of the level, in the mode.
    std::function<void(const TrialBoard& board, PlayMode mode)> OpenTrial;
    std::function<bool()> OpenRecognition;
};

// The editor's main window: the command bar, the tool bar, the board view and
// the status bar around the editor document.
class TEditorForm_ : public QMainWindow {
    Q_OBJECT
public:
    // The grid, the palette and the cursors paint from the current skin's strip
    // and follow its changes.
    TEditorForm_(PlatformSeams platform, StartOptions options, TCurrentSkin& skin);
    ~TEditorForm_() override;

    void SetPartners(EditorPartners partners) { Partners_ = std::move(partners); }
    // The recognition state whose level the editor takes over, mirrors while it is in
    // force, and shows as reference pictures.
    void SetRecognition(TRecogState* recog);
    TEditorDocument& Document() { return Doc_; }
    const StartOptions& Options() const { return Options_; }
    QString StatusText(StatusPanel panel) const;
    // Repaints the tool pictures, the cursors and the grid from the current skin.
    void SkinChanged();
    // Writes a notice into the status bar's message panel.
    void ShowMessage(const QString& text);
    // Shows the document's box and goal counters in the status bar.
    void ShowCounts();

    // Scrolls the grid so the level is seen from its top-left corner, after a
    // level came onto the board; the cell size stays.
    void ShowLevelCorner();

    // Applies the current tool: panel colours, grid cursor and grid menu.
    void SetSelect();

    // Command handlers, called by the buttons, menus and keys.
    void bt_LeftBarClick();
    void sb_SaveToFileClick();
    void sb_SaveClick();
    void sb_LoadClick();
    void sb_UnDoClick();
    void sb_ReDoClick();
    void sb_ClearClick();
    void sb_InfClick();
    void sb_Xsb_OKClick();
    void N8Click();
    void bt_SkinClick();
    void sb_LoadPicClick();
    void sb_HelpClick();
    void sb_TrialClick();
    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N6Click();
    void N7Click();
    void N9Click();
    void N10Click();
    void N11Click();
    // Picks the tool of a palette picture.
    void ToolClick(EditTool tool);

    // Level files. Ctrl+O: the open dialog, starting at the last opened file
    // and offering the recent ones, then the chosen file.
    void OpenFileClick();
    // Reads a level file off the window thread; then one level goes onto the
    // board, several open the chooser, and a file without a level or that
    // cannot be read gets an error box.
    void OpenLevelFile(const QString& path);
    // The next and the previous level of the last opened collection.
    void NextLevelClick();
    void PreviousLevelClick();
    TLevelFileReader& FileReader() { return *FileReader_; }
    // The chooser of a collection's levels (made when first needed).
    TLevelChooserForm* LevelChooser();
    // The open dialog's file types.
    static const QString OpenDialogFilter;

    // The key tables; the window sees keys before its controls do.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FormKeyPress(int key, const QString& text);
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);
    // The wheel handlers the window shares with the grid.
    void FormMouseWheelDown(Qt::KeyboardModifiers modifiers);
    void FormMouseWheelUp(Qt::KeyboardModifiers modifiers);
    // Whether the window may close (asks about unsaved changes).
    bool FormCloseQuery();

    // Controls.
    QFrame* Panel1;
    QFrame* Panel2;
    QFrame* Panel3;
    QFrame* pl_Wall;
    QFrame* pl_Box;
    QFrame* pl_Goal;
    QFrame* pl_Floor;
    QFrame* pl_Player;
    QFrame* pl_Select;
    QLabel* img_Wall;
    QLabel* img_Box;
    QLabel* img_Goal;
    QLabel* img_Floor;
    QLabel* img_Player;
    QLabel* img_Select;
    TEditorGrid* DrawGrid1;
    QStatusBar* StatusBar1;
    QPushButton* bt_LeftBar;
    QToolButton* sb_SaveToFile;
    QToolButton* sb_Save;
    QToolButton* sb_Load;
    QToolButton* sb_UnDo;
    QToolButton* sb_ReDo;
    QToolButton* sb_Clear;
    QToolButton* sb_Inf;
    QToolButton* sb_Xsb_OK;
    QToolButton* bt_Skin;
    QToolButton* sb_LoadPic;
    QToolButton* sb_Help;
    QToolButton* sb_Trial;
    QMenu* PopupMenu1;
    QMenu* PopupMenu2;
    QMenu* PopupMenu3;
    QMenu* PopupMenu4;
    QAction* N1;
    QAction* N2;
    QAction* N3;
    QAction* N4;
    QAction* N12;
    QAction* N6;
    QAction* N7;
    QAction* N8;
    QAction* N9;
    QAction* N10;
    QAction* N11;

    // The save dialog's file types.
    static const QString SaveDialog1Filter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommandBar();
    void CreateToolBar();
    void CreateGrid();
    void CreateStatusBar();
    void CreateMenus();
    QToolButton* MakeCommandButton(const char* name, CommandIcon icon, const QString& hint,
                                   void (TEditorForm_::*click)());
    QAction* MakeAction(QMenu* menu, const char* name, const QString& caption,
                        void (TEditorForm_::*click)());
    void SetHint(QWidget* widget, const QString& hint);
    void RunCommand(EditorCommand command);
    bool HandleKey(QKeyEvent* event);
    // Repaints the grid and shows the counters after the board changed.
    void BoardChanged();
    void RunShift(ShiftDirection direction);
    void RunClear(ClearKind kind);
    void RunNormalize(bool minimal);
    SaveOutcome SaveToFile();
    bool Confirm(std::string_view question);
    // Shows the tool bar and the mode button's caption for the current mode.
    void ShowMode();
    QLabel* StatusLabel(StatusPanel panel) const {
        return Panels_[static_cast<std::size_t>(panel)];
    }
    void DrawGrid1MouseDown(Qt::MouseButton button, int row, int col);
    void DrawGrid1MouseMove(int row, int col);
    void DrawGrid1MouseUp();
    void FocusCellChanged(int row, int col);
    void ReferenceLayersChanged();
    // A level file was read: shows its error, or opens its level or the chooser.
    void FileReadDone(const QString& path, LevelFileRead read);
    // Opens the level file of the command line, once, when the window first shows.
    void OpenStartFile();
    // Puts level `index` of the collection onto the board, after the question.
    void OpenCollectionLevel(const std::shared_ptr<const LevelCollection>& collection,
                             std::size_t index);
    // Shows the board when a level of the collection was opened, and the
    // collection position either way.
    void ShowCollectionStep(bool opened);

    PlatformSeams Platform_;
    StartOptions Options_;
    TCurrentSkin& Skin_;
    TEditorDocument Doc_;
    EditorPartners Partners_;
    TEditorCursors Cursors_;
    std::array<QLabel*, 9> Panels_{};
    std::map<QObject*, QString> Hints_;
    // A palette picture's tool and the panel that shows whether it is active.
    struct PaletteTool {
        EditTool Tool;
        QFrame* Panel;
    };
    std::map<QObject*, PaletteTool> ToolImages_;
    TLevelFileReader* FileReader_;
    TLevelChooserForm* LevelChooser_ = nullptr;
    TCollectionCursor Collection_;
    bool StartFileOpened_ = false;
};

} // namespace lodrin
