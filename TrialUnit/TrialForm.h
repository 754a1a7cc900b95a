#pragma once

#include "LoadSkin/CurrentSkin.h"
#include "TrialUnit/TrialField.h"
#include "TrialUnit/TrialPicture.h"
#include "board/Board.h"
#include "board/MapNode.h"
#include "platform/Clock.h"
#include "platform/WheelNotches.h"

#include <QMainWindow>

#include <array>

class QFrame;
class QLabel;
class QStatusBar;
class QToolButton;

namespace lodrin {

class TTrialMapImage;

// The editor's level as the trial field's export reads it: the board and the
// level record, in their present state.
struct TrialLevelSource {
    const Board& Level;
    const TMapNode& Node;
};

// The trial field's window: the tool bar, the board under its turn and the status
// bar around the trial field. It reads the user's keys, clicks and wheel turns,
// hands them to the trial field and shows what the field says. Made once at
// program start, shown by the editor for each trial and hidden in between.
class TTrialForm : public QMainWindow, private TTrialFieldView {
    Q_OBJECT
public:
    // Loads the built-in skin into the current skin; the board is drawn from the
    // current skin's tiles and follows its changes.
    TTrialForm(QWidget* parent, TClock& clock, TCurrentSkin& skin, TrialLevelSource level);
    ~TTrialForm() override;

    // The editor's hand-over: the board and the mode, the caption, the box count,
    // then the window is shown with a new play.
    void ShowTrial(const TrialBoard& board, PlayMode mode);

    const TTrialField& Field() const { return Field_; }
    // The text of a status bar panel (0 to 7).
    QString StatusText(int panel) const;
    // The board's picture as last drawn.
    const QImage& Picture() const { return Picture_.Image(); }

    // Event handlers.
    void FormShow();
    void FormResize();
    void FormClose();
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void FormMouseWheelUp();
    void FormMouseWheelDown();
    void map_ImageMouseDown(Qt::MouseButton button, QPoint pixel);
    void bt_UnDoClick();
    void bt_ReDoClick();
    void bt_OddEvenMouseDown();
    void bt_OddEvenMouseUp();
    void bt_GoThroughClick();
    void bt_ExitClick();
    void bt_ExitMouseMove();
    void bt_SaveClick();
    void pnl_TrunMouseUp(Qt::MouseButton button);

    // Fits the square size and the board's place to the ground panel.
    void NewMapSize();
    // Draws the board as the field shows it.
    void DrawMap();
    // Shows the turn: its label, the fitted board and its status text.
    void SetMapTrun();
    // Gives bt_GoThrough the look of the go-through switch.
    void SetButton();
    // Fills the current skin's tiles from its strip.
    void LoadDefaultSkin();

    // Controls.
    QFrame* pl_Tools;
    QToolButton* bt_Exit;
    QToolButton* bt_GoThrough;
    QToolButton* bt_OddEven;
    QToolButton* bt_UnDo;
    QToolButton* bt_ReDo;
    QLabel* pnl_Trun;
    QToolButton* bt_Save;
    QFrame* pl_Ground;
    TTrialMapImage* map_Image;
    QStatusBar* StatusBar1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowMessage(std::string_view text) override;
    void ShowCounters(int moveCount, int pushCount) override;

    void CreateToolBar();
    void CreateTurnPanel();
    void CreateGround();
    void CreateStatusBar();
    QToolButton* MakeButton(const char* name, const QString& caption, const QString& hint,
                            QSize size);
    void RunCommand(TrialCommand command);
    void Apply(TrialResponse response);
    void PasteMoves();
    void CopyMoves();
    void SkinChanged();

    TClock& Clock_;
    TCurrentSkin& Skin_;
    TrialLevelSource Level_;
    TTrialField Field_;
    TTrialPicture Picture_;
    std::array<QLabel*, 8> Panels_{};
    TWheelNotches Wheel_;
    bool Placed_ = false;
};

} // namespace lodrin
