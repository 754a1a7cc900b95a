#pragma once

#include "LoadSkin/CurrentSkin.h"
#include "Recog_/RecogCursors.h"
#include "Recog_/RecogWindowState.h"
#include "platform/CommandIcons.h"
#include "platform/Platform.h"
#include "platform/WheelNotches.h"

#include <QDialog>

#include <array>
#include <map>

class QCheckBox;
class QEventLoop;
class QFrame;
class QLabel;
class QScrollArea;
class QSlider;
class QStatusBar;
class QToolButton;

namespace lodrin {

class TLoadSkinForm;
class TRecogDisplay;
class TRecogValueBox;

// The panels of the recognition window's status bar, left to right.
enum class RecogPanel {
    RowsCaption,
    Rows,
    ColsCaption,
    Cols,
    BoxesCaption,
    Boxes,
    GoalsCaption,
    Goals,
    Message
};

// The recognition window: lays the frame over a screenshot, recognises the elements and
// hands the result to the editor. Created once at program start and shown modally by the
// editor any number of times; the window state turns the user's input into the operations
// of the recognition state, and the window shows what they changed.
class TRecogForm_ : public QDialog {
    Q_OBJECT
public:
    // recog is the recognition state shared with the editor; the tiles come from the current
    // skin; reversedWheel is the "/m" switch of the command line.
    TRecogForm_(QWidget* parent, PlatformSeams platform, TRecogState& recog, TCurrentSkin& skin,
                bool reversedWheel);
    ~TRecogForm_() override;

    // The skin chooser that bt_Skin opens (created after this window).
    void SetSkinChooser(TLoadSkinForm* chooser) { SkinChooser_ = chooser; }
    // Shows the window modally, centred on its parent, until it closes. True when the user
    // accepted the recognition (answered Yes).
    bool Execute();

    TRecogWindowState& WindowState() { return Window_; }
    QString StatusText(RecogPanel panel) const;

    // Event handlers.
    void FormActivate();
    bool FormCloseQuery();
    void sb_OpenClick();
    void sb_ScreenClick();
    void sb_CopyClick();
    void sb_ClearClick();
    void sb_UnDoClick();
    void sb_ReDoClick();
    void sb_ScaleClick();
    void bt_SkinClick();
    void sb_ReturnClick();
    void QuickBorderClick(FrameBox box);
    void ToolClick(RecogTool tool);
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void TrackBar2Change();
    void Panel4Click();
    void Image3Click();
    void Image1MouseDown(Qt::MouseButton button, QPoint point);
    void Image1MouseMove(QPoint point, Qt::KeyboardModifiers modifiers);
    void Image1MouseUp(Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers modifiers);
    // The key tables; the window sees keys before its controls do. True when the key goes
    // no further.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void FormKeyUp();
    // One wheel turn as the control with the keyboard focus receives it.
    void ScrollBox1MouseWheel(bool awayFromUser, Qt::KeyboardModifiers modifiers);
    void FormMouseWheel(bool awayFromUser);
    // The redraw: the display, the counts and the sample panel.
    void myDraw();

    // The dialog's file types for opening a picture.
    static const QString OpenDialogFilter;

    // Controls.
    QFrame* Panel1; // the top bar
    QFrame* Panel2; // the left bar
    QToolButton* sb_Open;
    QToolButton* sb_Screen;
    QToolButton* sb_Copy;
    QToolButton* sb_Clear;
    QToolButton* sb_UnDo;
    QToolButton* sb_ReDo;
    QToolButton* sb_Scale;
    QToolButton* bt_Skin;
    QToolButton* sb_Return;
    TRecogValueBox* Map_Left;
    TRecogValueBox* Map_Top;
    TRecogValueBox* Map_Right;
    TRecogValueBox* Map_Bottom;
    TRecogValueBox* Map_ColWidth;
    TRecogValueBox* Map_RowHeight;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QFrame* Panel4;
    QLabel* Panel4Caption;
    QLabel* Image3;
    QFrame* pl_Wall;
    QFrame* pl_Box;
    QFrame* pl_BoxGoal;
    QFrame* pl_Goal;
    QFrame* pl_Player;
    QFrame* pl_Floor;
    QFrame* pl_Select;
    QLabel* img_Wall;
    QLabel* img_Box;
    QLabel* img_BoxGoal;
    QLabel* img_Goal;
    QLabel* img_Player;
    QLabel* img_Floor;
    QLabel* img_Select;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox1;
    QLabel* Label7;
    QSlider* TrackBar2;
    QCheckBox* CheckBox4;
    QCheckBox* CheckBox5;
    QScrollArea* ScrollBox1;
    TRecogDisplay* Image1;
    QStatusBar* StatusBar1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    // What moving the pointer over a control does: its message and the wheel target.
    struct Hover {
        QString Message;
        enum Kind { Other, ValueBox, NoTarget } Target = Other;
        FrameBox Box = FrameBox::Left;
    };
    // A tool button's tool and the panel that shows whether it is selected.
    struct ToolSlot {
        RecogTool Tool;
        QFrame* Panel;
    };

    void CreateTopBar(QWidget* parent);
    void CreateValueBoxes(QWidget* parent);
    void CreateSamplePanel(QWidget* parent);
    void CreateLeftBar(QWidget* parent);
    void CreateSettings(QWidget* parent);
    void CreateDisplay(QWidget* parent);
    void CreateStatusBar();
    void WatchChildren();
    QToolButton* MakeCommandButton(const char* name, CommandIcon icon, const QString& hint,
                                   void (TRecogForm_::*click)());
    TRecogValueBox* MakeValueBox(QWidget* parent, const char* name, const QString& caption,
                                 FrameBox box, const QString& hint);
    QToolButton* MakeQuickButton(QWidget* parent, const char* name, const QString& caption,
                                 FrameBox box, const QString& hint);
    void SetHover(QWidget* widget, const QString& message, Hover::Kind target = Hover::Other,
                  FrameBox box = FrameBox::Left);

    // Shows what an event changed and runs the command it asked for.
    void Apply(const RecogUpdate& update);
    void RunCommand(RecogCommand command);
    void ShowTool();
    void ShowFrame(const TRecogValueBox* typing = nullptr);
    // A frame value changed: its boxes, counts and the display follow.
    void FrameEdited(const TRecogValueBox* typing = nullptr);
    void ShowMessage(const QString& text);
    void ShowMessage(std::string_view text);
    void ShowSamplePanel();
    void SkinChanged();
    void NewPicture();
    void CloseWith(bool accepted);
    bool HandleKey(QKeyEvent* event);
    bool HandleWheel(QWheelEvent* event);
    void HandleHover(QObject* watched, QEvent* event);
    TRecogValueBox* BoxOf(FrameBox box) const;
    QLabel* Panel(RecogPanel panel) const { return Panels_[static_cast<std::size_t>(panel)]; }

    PlatformSeams Platform_;
    TRecogState& Recog_;
    TCurrentSkin& Skin_;
    TRecogWindowState Window_;
    TLoadSkinForm* SkinChooser_ = nullptr;
    TRecogCursors Cursors_;
    std::array<QLabel*, 9> Panels_{};
    std::map<QObject*, Hover> Hovers_;
    std::map<QObject*, ToolSlot> Tools_;
    QEventLoop* Loop_ = nullptr;
    bool Accepted_ = false;
    TWheelNotches Wheel_;
};

} // namespace lodrin
