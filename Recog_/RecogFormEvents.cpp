// The recognition window's handlers: what its buttons, the display, the keys and the wheel do.
#include "Recog_/RecogForm.h"

#include "LoadSkin/LoadSkinForm.h"
#include "Recog_/PictureFile.h"
#include "Recog_/RecogDisplay.h"
#include "Recog_/RecogValueBox.h"
#include "platform/QtText.h"
#include "platform/WindowParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>

namespace lodrin {

namespace {

const QString CtrlShiftHint =
    QStringLiteral("【Ctrl + 移动鼠标】，可以临时屏蔽某格子的识别，【Shift + "
                   "移动鼠标】，可以临时屏蔽某格子的同类识别！");
const QString CloseQuestion = QStringLiteral("应用新的识别会覆盖已有的编辑，是否应用？");
const QString ThresholdHint = QStringLiteral("相似度，是指图块在造型方面的相似程度！");

RecogKey KeyOf(int key) {
    switch (key) {
    case Qt::Key_Shift:
        return RecogKey::Shift;
    case Qt::Key_Control:
        return RecogKey::Ctrl;
    case Qt::Key_L:
        return RecogKey::L;
    case Qt::Key_T:
        return RecogKey::T;
    case Qt::Key_R:
        return RecogKey::R;
    case Qt::Key_B:
        return RecogKey::B;
    case Qt::Key_C:
        return RecogKey::C;
    case Qt::Key_K:
        return RecogKey::K;
    case Qt::Key_O:
        return RecogKey::O;
    case Qt::Key_Q:
        return RecogKey::Q;
    case Qt::Key_Z:
        return RecogKey::Z;
    case Qt::Key_F2:
        return RecogKey::F2;
    default:
        return RecogKey::Other;
    }
}

bool IsBorderKey(RecogKey key) {
    return key == RecogKey::L || key == RecogKey::T || key == RecogKey::R || key == RecogKey::B;
}

RecogButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return RecogButton::Left;
    case Qt::RightButton:
        return RecogButton::Right;
    default:
        return RecogButton::Middle;
    }
}

DisplayPoint PointOf(QPoint point) {
    return {point.x(), point.y()};
}

} // namespace

bool TRecogForm_::Execute() {
    CentreOnParent(*this);
    setWindowModality(Qt::ApplicationModal);
    Accepted_ = false;
    QEventLoop loop;
    Loop_ = &loop;
    show();
    loop.exec(QEventLoop::DialogExec);
    Loop_ = nullptr;
    return Accepted_;
}

void TRecogForm_::CloseWith(bool accepted) {
    Accepted_ = accepted;
    hide();
    if (Loop_ != nullptr) {
        Loop_->quit();
    }
}

void TRecogForm_::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TRecogForm_::FormActivate() {
    Apply(Window_.Activate());
}

bool TRecogForm_::FormCloseQuery() {
    if (!Recog_.HasPicture()) {
        Accepted_ = false;
        return true;
    }
    switch (Platform_.Messages.Choice(this, CloseQuestion)) {
    case MessageAnswer::Yes:
        Recog_.AcceptVisit();
        Accepted_ = true;
        return true;
    case MessageAnswer::No:
        Recog_.DeclineVisit();
        Accepted_ = false;
        ShowFrame();
        return true;
    default:
        return false;
    }
}

void TRecogForm_::sb_ReturnClick() {
    if (FormCloseQuery()) {
        CloseWith(Accepted_);
    }
}

void TRecogForm_::closeEvent(QCloseEvent* event) {
    event->ignore();
    sb_ReturnClick();
}

void TRecogForm_::reject() {
    sb_ReturnClick();
}

void TRecogForm_::keyPressEvent(QKeyEvent* event) {
    // Esc does not close the window; the keys themselves were seen by the event filter.
    event->accept();
}

void TRecogForm_::Apply(const RecogUpdate& update) {
    if (update.ToolChanged) {
        ShowTool();
    }
    if (update.Pointer) {
        Image1->setCursor(Cursors_.Get(*update.Pointer));
    }
    if (update.Message) {
        ShowMessage(*update.Message);
    }
    if (update.FrameChanged) {
        ShowFrame();
    }
    if (update.Redraw) {
        myDraw();
    }
    if (update.FocusBox) {
        BoxOf(*update.FocusBox)->setFocus();
    } else if (update.FocusView) {
        ScrollBox1->setFocus();
    }
    RunCommand(update.Command);
}

void TRecogForm_::RunCommand(RecogCommand command) {
    switch (command) {
    case RecogCommand::None:
        break;
    case RecogCommand::Open:
        sb_OpenClick();
        break;
    case RecogCommand::Screen:
        sb_ScreenClick();
        break;
    case RecogCommand::Copy:
        sb_CopyClick();
        break;
    case RecogCommand::Undo:
        sb_UnDoClick();
        break;
    case RecogCommand::Redo:
        sb_ReDoClick();
        break;
    case RecogCommand::Skin:
        bt_SkinClick();
        break;
    case RecogCommand::Return:
        sb_ReturnClick();
        break;
    }
}

void TRecogForm_::myDraw() {
    if (!Recog_.HasPicture()) {
        return;
    }
    const RecogCounts counts = Window_.DisplayCounts();
    Panel(RecogPanel::Boxes)->setText(QString::number(counts.Boxes));
    Panel(RecogPanel::Goals)->setText(QString::number(counts.Goals));
    Image1->update();
    ShowSamplePanel();
}

void TRecogForm_::NewPicture() {
    Apply(Window_.PictureArrived());
    CheckBox1->setChecked(Window_.ManualEditing);
    CheckBox2->setChecked(Window_.XsbDisplay);
    ScrollBox1->horizontalScrollBar()->setValue(0);
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TRecogForm_::sb_OpenClick() {
    const std::optional<QString> name = Platform_.Files.OpenFileName(this, OpenDialogFilter);
    if (!name) {
        return;
    }
    Apply(Window_.SelectTool(RecogTool::ToolFrame));
    const PictureProblem problem = OpenPictureFile(Recog_, name->toUtf8().toStdString());
    if (problem != PictureProblem::None) {
        const std::string_view message = PictureProblemMessage(problem);
        Platform_.Messages.Error(this, FromUtf8(message));
        return;
    }
    NewPicture();
}

void TRecogForm_::sb_ScreenClick() {
    const ScreenShot shot = Platform_.Screen.CaptureScreen();
    PictureProblem problem = PictureProblem::None;
    if (shot.Ok()) {
        problem = PictureSizeProblem(shot.Picture.width(), shot.Picture.height());
    }
    if (!shot.Ok() || problem != PictureProblem::None) {
        const std::string_view message = PictureProblemMessage(problem);
        Platform_.Messages.Error(this, shot.Ok() ? FromUtf8(message) : shot.Problem);
        return;
    }
    if (Recog_.CapturePicture(RgbPictureFromImage(shot.Picture))) {
        NewPicture();
    }
}

void TRecogForm_::sb_CopyClick() {
    if (const std::optional<std::string> text = Recog_.XsbText()) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(*text));
    }
}

void TRecogForm_::sb_ClearClick() {
    const auto confirm = [this](std::string_view question) {
        return Platform_.Messages.Reminder(this, FromUtf8(question));
    };
    if (Recog_.Clear(confirm)) {
        myDraw();
    }
}

void TRecogForm_::sb_UnDoClick() {
    if (Recog_.Undo()) {
        myDraw();
    }
}

void TRecogForm_::sb_ReDoClick() {
    if (Recog_.Redo()) {
        myDraw();
    }
}

void TRecogForm_::sb_ScaleClick() {
    if (Recog_.CycleZoom()) {
        FrameEdited();
    }
}

void TRecogForm_::bt_SkinClick() {
    // A confirmed choice repaints through the skin's change notice; coming back from the
    // chooser is a new activation of this window.
    if (SkinChooser_ != nullptr) {
        SkinChooser_->ChangeSkin();
    }
    FormActivate();
}

void TRecogForm_::QuickBorderClick(FrameBox box) {
    Recog_.Frame.QuickBorder(box);
    FrameEdited();
}

void TRecogForm_::ToolClick(RecogTool tool) {
    Apply(Window_.SelectTool(tool));
}

void TRecogForm_::CheckBox1Click() {
    Window_.ManualEditing = CheckBox1->isChecked();
}

void TRecogForm_::CheckBox2Click() {
    Window_.XsbDisplay = CheckBox2->isChecked();
    myDraw();
}

void TRecogForm_::CheckBox4Click() {
    Recog_.Settings.HueCheck = CheckBox4->isChecked();
}

void TRecogForm_::CheckBox5Click() {
    Recog_.Settings.GreyCheck = CheckBox5->isChecked();
}

void TRecogForm_::TrackBar2Change() {
    Recog_.Settings.Threshold = TrackBar2->value();
    Label7->setText(QStringLiteral("相似度: %1%").arg(TrackBar2->value()));
    ShowMessage(ThresholdHint);
}

void TRecogForm_::Panel4Click() {
    Window_.SamplePanelOpen = true;
    ShowSamplePanel();
    myDraw();
}

void TRecogForm_::Image3Click() {
    Window_.SamplePanelOpen = false;
    ShowSamplePanel();
    myDraw();
}

void TRecogForm_::Image1MouseDown(Qt::MouseButton, QPoint point) {
    Apply(Window_.Press(PointOf(point)));
}

void TRecogForm_::Image1MouseMove(QPoint point, Qt::KeyboardModifiers modifiers) {
    Apply(Window_.Move(PointOf(point), modifiers.testFlag(Qt::ControlModifier),
                       modifiers.testFlag(Qt::ShiftModifier)));
}

void TRecogForm_::Image1MouseUp(Qt::MouseButton button, QPoint point,
                                Qt::KeyboardModifiers modifiers) {
    Apply(Window_.Release(PointOf(point), ButtonOf(button), modifiers.testFlag(Qt::ShiftModifier),
                          Platform_.Clock.NowMs()));
}

bool TRecogForm_::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const RecogKey recogKey = KeyOf(key);
    if (recogKey == RecogKey::Other) {
        return false;
    }
    const RecogUpdate update = Window_.KeyDown(recogKey, modifiers.testFlag(Qt::ControlModifier),
                                               modifiers.testFlag(Qt::ShiftModifier));
    Apply(update);
    return IsBorderKey(recogKey) || update.Command != RecogCommand::None;
}

void TRecogForm_::FormKeyUp() {
    Apply(Window_.KeyUp());
}

void TRecogForm_::ScrollBox1MouseWheel(bool awayFromUser, Qt::KeyboardModifiers modifiers) {
    if (Window_.ViewPassesWheel()) {
        FormMouseWheel(awayFromUser);
        return;
    }
    QScrollBar* bar = modifiers.testFlag(Qt::ControlModifier) ? ScrollBox1->horizontalScrollBar()
                                                              : ScrollBox1->verticalScrollBar();
    const int step = TRecogWindowState::ViewWheelStep;
    bar->setValue(bar->value() + (awayFromUser ? -step : step));
}

void TRecogForm_::FormMouseWheel(bool awayFromUser) {
    Apply(Window_.Wheel(awayFromUser));
}

// Keys reach the window before the focused control: each key event is taken once, where it
// is first delivered.
bool TRecogForm_::HandleKey(QKeyEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return FormKeyDown(event->key(), event->modifiers());
    }
    if (!event->isAutoRepeat()) {
        FormKeyUp();
    }
    return false;
}

// A wheel turn goes to the control with the keyboard focus, as the desktop this window was
// made for delivers it: the scrolling view, or else the window.
bool TRecogForm_::HandleWheel(QWheelEvent* event) {
    const int notches = Wheel_.Take(WheelTurn(*event));
    const QWidget* focus = focusWidget();
    const bool view = focus != nullptr && (focus == ScrollBox1 || ScrollBox1->isAncestorOf(focus));
    for (int i = 0; i != notches; i += notches > 0 ? 1 : -1) {
        const bool away = notches > 0;
        if (view) {
            ScrollBox1MouseWheel(away, event->modifiers());
        } else {
            FormMouseWheel(away);
        }
    }
    event->accept();
    return true;
}

void TRecogForm_::HandleHover(QObject* watched, QEvent* event) {
    if (const auto hover = Hovers_.find(watched); hover != Hovers_.end()) {
        switch (hover->second.Target) {
        case Hover::ValueBox:
            Apply(Window_.EnterBox(hover->second.Box));
            break;
        case Hover::Other:
            Window_.EnterOther();
            break;
        case Hover::NoTarget:
            break;
        }
        ShowMessage(hover->second.Message);
        return;
    }
    if (event->type() != QEvent::MouseMove) {
        return;
    }
    auto* widget = static_cast<QWidget*>(watched);
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    const bool bar = widget == Panel1 || widget == Panel2;
    if ((bar || widget == ScrollBox1->viewport()) && widget->childAt(pos) == nullptr) {
        if (bar) {
            Window_.EnterOther();
        }
        ShowMessage(CtrlShiftHint);
    }
}

bool TRecogForm_::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
        if (watched == target) {
            return HandleKey(static_cast<QKeyEvent*>(event));
        }
        break;
    }
    case QEvent::Wheel:
        return HandleWheel(static_cast<QWheelEvent*>(event));
    case QEvent::Enter:
    case QEvent::MouseMove:
        HandleHover(watched, event);
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() != Qt::LeftButton ||
            !widget->rect().contains(mouse->position().toPoint())) {
            break;
        }
        if (const auto tool = Tools_.find(watched); tool != Tools_.end()) {
            ToolClick(tool->second.Tool);
        } else if (watched == Panel4Caption || watched == Panel4) {
            Panel4Click();
        } else if (watched == Image3) {
            Image3Click();
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lodrin
