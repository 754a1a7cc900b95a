#include "TrialUnit/TrialForm.h"

#include "TrialUnit/TrialMapImage.h"
#include "platform/QtText.h"
#include "platform/SystemColours.h"
#include "platform/UiFont.h"
#include "platform/WindowParts.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace lodrin {
namespace {

constexpr int WheelPauseMs = 10;

// The trial field's key of a key event, whichever keyboard it comes from.
TrialKey KeyOf(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        return TrialKey::Left;
    case Qt::Key_Up:
        return TrialKey::Up;
    case Qt::Key_Right:
        return TrialKey::Right;
    case Qt::Key_Down:
        return TrialKey::Down;
    case Qt::Key_E:
        return TrialKey::E;
    case Qt::Key_Z:
        return TrialKey::Z;
    case Qt::Key_Backspace:
        return TrialKey::Backspace;
    case Qt::Key_X:
        return TrialKey::X;
    case Qt::Key_Space:
        return TrialKey::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TrialKey::Enter;
    case Qt::Key_A:
        return TrialKey::A;
    case Qt::Key_S:
        return TrialKey::S;
    case Qt::Key_Escape:
        return TrialKey::Escape;
    case Qt::Key_Home:
        return TrialKey::Home;
    case Qt::Key_End:
        return TrialKey::End;
    case Qt::Key_G:
        return TrialKey::G;
    case Qt::Key_C:
        return TrialKey::C;
    case Qt::Key_L:
        return TrialKey::L;
    case Qt::Key_M:
        return TrialKey::M;
    case Qt::Key_Q:
        return TrialKey::Q;
    case Qt::Key_8:
        return event->modifiers().testFlag(Qt::KeypadModifier) ? TrialKey::Other : TrialKey::Eight;
    case Qt::Key_Asterisk:
        return TrialKey::Asterisk;
    // The / key of the main keyboard gives ? with Shift.
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return TrialKey::Slash;
    default:
        return TrialKey::Other;
    }
}

TrialModifiers ModifiersOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers m = event->modifiers();
    return {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::AltModifier),
            m.testFlag(Qt::ShiftModifier)};
}

} // namespace

TTrialForm::TTrialForm(QWidget* parent, TClock& clock, TCurrentSkin& skin, TrialLevelSource level)
    : QMainWindow(parent, Qt::Window), Clock_(clock), Skin_(skin), Level_(level), Field_(this) {
    setObjectName(QStringLiteral("TrialForm"));
    setWindowTitle(QStringLiteral("正推演练场"));
    setFocusPolicy(Qt::StrongFocus);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    CreateToolBar();
    layout->addWidget(pl_Tools);
    CreateGround();
    layout->addWidget(pl_Ground, 1);
    CreateStatusBar();
    LoadDefaultSkin();
    connect(&Skin_, &TCurrentSkin::Changed, this, &TTrialForm::SkinChanged);
    resize(800, 600);
}

TTrialForm::~TTrialForm() = default;

QToolButton* TTrialForm::MakeButton(const char* name, const QString& caption, const QString& hint,
                                    QSize size) {
    auto* button = new QToolButton(pl_Tools);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolTip(hint);
    button->setFixedSize(size);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    pl_Tools->layout()->addWidget(button);
    return button;
}

void TTrialForm::CreateToolBar() {
    pl_Tools = new QFrame(centralWidget());
    pl_Tools->setObjectName(QStringLiteral("pl_Tools"));
    pl_Tools->setFixedHeight(30);
    pl_Tools->setFont(UiFont(12));
    PaintBackground(pl_Tools, InactiveCaptionColour());
    auto* bar = new QHBoxLayout(pl_Tools);
    bar->setContentsMargins(4, 4, 4, 4);
    bar->setSpacing(3);
    bt_Exit = MakeButton("bt_Exit", QStringLiteral("返回"), QStringLiteral("返回编辑【Ctrl + Q】"),
                         {40, 22});
    bt_Exit->setMouseTracking(true);
    bt_Exit->installEventFilter(this);
    connect(bt_Exit, &QToolButton::clicked, this, &TTrialForm::bt_ExitClick);
    bt_GoThrough = MakeButton("bt_GoThrough", QStringLiteral("穿越"),
                              QStringLiteral("穿越开关【G】"), {36, 22});
    bt_GoThrough->setCheckable(true);
    connect(bt_GoThrough, &QToolButton::clicked, this, &TTrialForm::bt_GoThroughClick);
    bt_OddEven =
        MakeButton("bt_OddEven", QStringLiteral("奇偶"), QStringLiteral("奇偶格位【E】"), {36, 22});
    connect(bt_OddEven, &QToolButton::pressed, this, &TTrialForm::bt_OddEvenMouseDown);
    connect(bt_OddEven, &QToolButton::released, this, &TTrialForm::bt_OddEvenMouseUp);
    bt_UnDo = MakeButton("bt_UnDo", {}, QStringLiteral("撤销【Z/退格键/滚轮】"), {33, 22});
    bt_UnDo->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    connect(bt_UnDo, &QToolButton::clicked, this, &TTrialForm::bt_UnDoClick);
    bt_ReDo = MakeButton("bt_ReDo", {}, QStringLiteral("重做【X/空格键/回车键/滚轮】"), {33, 22});
    bt_ReDo->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    connect(bt_ReDo, &QToolButton::clicked, this, &TTrialForm::bt_ReDoClick);
    CreateTurnPanel();
    bt_Save = MakeButton("bt_Save", QStringLiteral("导出（XSB + Lurd）"),
                         QStringLiteral("导出演练场的 XSB + Lurd【Ctrl + C】"), {119, 22});
    connect(bt_Save, &QToolButton::clicked, this, &TTrialForm::bt_SaveClick);
    bar->addStretch(1);
}

void TTrialForm::CreateTurnPanel() {
    pnl_Trun = new QLabel(QString::fromStdString(TurnLabel(0)), pl_Tools);
    pnl_Trun->setObjectName(QStringLiteral("pnl_Trun"));
    pnl_Trun->setFixedSize(41, 23);
    pnl_Trun->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnl_Trun->setAlignment(Qt::AlignCenter);
    pnl_Trun->setFont(UiFont(12));
    pnl_Trun->setToolTip(QStringLiteral("旋转关卡【*、/、左右鼠标键】"));
    pnl_Trun->setCursor(Qt::PointingHandCursor);
    PaintBackground(pnl_Trun, ActiveCaptionColour());
    pnl_Trun->installEventFilter(this);
    pl_Tools->layout()->addWidget(pnl_Trun);
}

void TTrialForm::CreateGround() {
    pl_Ground = new QFrame(centralWidget());
    pl_Ground->setObjectName(QStringLiteral("pl_Ground"));
    pl_Ground->setFrameStyle(QFrame::NoFrame);
    PaintBackground(pl_Ground, InactiveCaptionTextColour());
    pl_Ground->installEventFilter(this);
    map_Image = new TTrialMapImage(pl_Ground);
    map_Image->setObjectName(QStringLiteral("map_Image"));
    map_Image->SetPicture(&Picture_.Image());
    connect(map_Image, &TTrialMapImage::Pressed, this, &TTrialForm::map_ImageMouseDown);
}

void TTrialForm::CreateStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const StatusPanelLook looks[] = {
        {32, right, false, "移动"},      {80, Qt::AlignCenter, true, "0"},
        {32, right, false, "推动"},      {80, Qt::AlignCenter, true, "0"},
        {50, right, false, "箱子数"},    {80, Qt::AlignCenter, true, ""},
        {4, Qt::AlignCenter, false, ""}, {50, Qt::AlignLeft | Qt::AlignVCenter, true, ""},
    };
    static_assert(std::size(looks) == std::tuple_size_v<decltype(Panels_)>);
    const std::vector<QLabel*> panels = MakeStatusPanels(StatusBar1, looks);
    std::copy(panels.begin(), panels.end(), Panels_.begin());
}

QString TTrialForm::StatusText(int panel) const {
    return panel >= 0 && panel < static_cast<int>(Panels_.size())
               ? Panels_[static_cast<std::size_t>(panel)]->text()
               : QString();
}

void TTrialForm::ShowMessage(std::string_view text) {
    Panels_[7]->setText(FromUtf8(text));
}

void TTrialForm::ShowCounters(int moveCount, int pushCount) {
    Panels_[1]->setText(QString::number(moveCount));
    Panels_[3]->setText(QString::number(pushCount));
}

void TTrialForm::LoadDefaultSkin() {
    Skin_.LoadDefault();
}

void TTrialForm::SkinChanged() {
    if (isVisible()) {
        NewMapSize();
        DrawMap();
    }
}

void TTrialForm::ShowTrial(const TrialBoard& board, PlayMode mode) {
    Field_.HandOver(board, mode);
    setWindowTitle(FromUtf8(TrialCaption(mode)));
    Panels_[5]->setText(QString::number(board.Boxes));
    if (!Placed_) {
        resize(800, 600);
        CentreOnParent(*this);
        Placed_ = true;
    }
    if (isVisible()) {
        FormShow();
    }
    show();
    raise();
    activateWindow();
}

void TTrialForm::FormShow() {
    Field_.Open();
    SetButton();
    ShowCounters(Field_.Play().MoveCount(), Field_.Play().PushCount());
    ShowMessage({});
    // The layout gets its sizes before the board is fitted, so the first picture
    // is never drawn at the size of the board before.
    layout()->activate();
    centralWidget()->layout()->activate();
    NewMapSize();
    DrawMap();
    setFocus();
}

void TTrialForm::FormResize() {
    NewMapSize();
    DrawMap();
}

void TTrialForm::FormClose() {
    Field_.Close();
}

void TTrialForm::NewMapSize() {
    const ViewPlacement place =
        Field_.FitView(pl_Ground->width(), pl_Ground->height(), Skin_.Tiles().TileSize);
    map_Image->setGeometry(place.Left, place.Top, place.Width, place.Height);
}

void TTrialForm::DrawMap() {
    map_Image->setCursor(Field_.MarksShown() ? Qt::DragMoveCursor : Qt::ArrowCursor);
    Picture_.DrawMap(Field_, Skin_.Tiles());
    map_Image->SetPicture(&Picture_.Image());
}

void TTrialForm::SetMapTrun() {
    pnl_Trun->setText(QString::fromStdString(TurnLabel(Field_.Turn())));
    NewMapSize();
    DrawMap();
    ShowMessage(TurnStatusText(Field_.Turn()));
}

void TTrialForm::SetButton() {
    const bool on = Field_.GoThrough();
    bt_GoThrough->setChecked(on);
    QFont font = bt_GoThrough->font();
    font.setBold(on);
    bt_GoThrough->setFont(font);
    QPalette palette = bt_GoThrough->palette();
    palette.setColor(QPalette::ButtonText, on ? QColor(Qt::black) : QColor(128, 128, 128));
    bt_GoThrough->setPalette(palette);
}

void TTrialForm::Apply(TrialResponse response) {
    if (response.GoThroughChanged) {
        SetButton();
    }
    if (response.TurnChanged) {
        SetMapTrun();
    } else if (response.Redraw) {
        DrawMap();
    }
}

void TTrialForm::RunCommand(TrialCommand command) {
    switch (command.Action) {
    case TrialAction::Export:
        bt_SaveClick();
        break;
    case TrialAction::PasteMoves:
        PasteMoves();
        break;
    case TrialAction::CopyMoves:
        CopyMoves();
        break;
    case TrialAction::Close:
        close();
        break;
    default:
        Apply(Field_.Do(command));
        break;
    }
}

void TTrialForm::PasteMoves() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::optional<std::string> text;
    if (data != nullptr && data->hasText()) {
        text = ToUtf8(data->text());
    }
    Apply(Field_.PasteMoves(text));
}

void TTrialForm::CopyMoves() {
    if (const std::optional<std::string> moves = Field_.CopyMoves()) {
        QGuiApplication::clipboard()->setText(FromUtf8(*moves));
    }
}

void TTrialForm::FormKeyDown(QKeyEvent* event) {
    RunCommand(TrialKeyDown(KeyOf(event), ModifiersOf(event)));
}

void TTrialForm::FormKeyUp(QKeyEvent* event) {
    RunCommand(TrialKeyUp(KeyOf(event), ModifiersOf(event)));
}

void TTrialForm::FormMouseWheelUp() {
    RunCommand(TrialWheel(true));
    Clock_.Pause(WheelPauseMs);
}

void TTrialForm::FormMouseWheelDown() {
    RunCommand(TrialWheel(false));
    Clock_.Pause(WheelPauseMs);
}

void TTrialForm::map_ImageMouseDown(Qt::MouseButton button, QPoint pixel) {
    const int size = Field_.CellSize();
    if (size <= 0 || pixel.x() < 0 || pixel.y() < 0) {
        return;
    }
    Apply(Field_.MouseDown({pixel.x() / size, pixel.y() / size}, button == Qt::LeftButton));
}

void TTrialForm::bt_UnDoClick() {
    RunCommand({TrialAction::UndoStep});
}

void TTrialForm::bt_ReDoClick() {
    RunCommand({TrialAction::RedoStep});
}

void TTrialForm::bt_OddEvenMouseDown() {
    RunCommand({TrialAction::OddEvenOn});
}

void TTrialForm::bt_OddEvenMouseUp() {
    RunCommand({TrialAction::OddEvenOff});
}

void TTrialForm::bt_GoThroughClick() {
    RunCommand({TrialAction::ToggleGoThrough});
}

void TTrialForm::bt_ExitClick() {
    close();
}

void TTrialForm::bt_ExitMouseMove() {
    Panels_[7]->setText(bt_Exit->toolTip());
}

void TTrialForm::bt_SaveClick() {
    ShowMessage({});
    const std::string text = Field_.Export(Level_.Level, Level_.Node);
    QGuiApplication::clipboard()->setText(FromUtf8(text));
}

void TTrialForm::pnl_TrunMouseUp(Qt::MouseButton button) {
    if (button == Qt::LeftButton) {
        RunCommand({TrialAction::TurnNext});
    } else if (button == Qt::RightButton) {
        RunCommand({TrialAction::TurnPrevious});
    } else {
        SetMapTrun();
    }
}

bool TTrialForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pl_Ground && event->type() == QEvent::Resize) {
        FormResize();
    } else if (watched == bt_Exit && event->type() == QEvent::MouseMove) {
        bt_ExitMouseMove();
    } else if (watched == pnl_Trun && event->type() == QEvent::MouseButtonRelease) {
        pnl_TrunMouseUp(static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TTrialForm::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event);
    event->accept();
}

void TTrialForm::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only, as on the desktop the program was made for.
    if (!event->isAutoRepeat()) {
        FormKeyUp(event);
    }
    event->accept();
}

void TTrialForm::wheelEvent(QWheelEvent* event) {
    event->accept();
    const int notches = Wheel_.Take(event->angleDelta().y());
    for (int i = 0; i < notches; ++i) {
        FormMouseWheelUp();
    }
    for (int i = 0; i > notches; --i) {
        FormMouseWheelDown();
    }
}

void TTrialForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TTrialForm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

} // namespace lodrin
