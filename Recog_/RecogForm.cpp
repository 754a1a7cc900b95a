// The recognition window: its controls, their captions, pictures, hints and colours.
#include "Recog_/RecogForm.h"

#include "LoadSkin/SkinStrip.h"
#include "Recog_/RecogDisplay.h"
#include "Recog_/RecogValueBox.h"
#include "board/CellCode.h"
#include "platform/QtText.h"
#include "platform/UiFont.h"
#include "platform/WindowParts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lodrin {

namespace {

constexpr int FormWidth = 1251;
constexpr int FormHeight = 784;
constexpr int TopBarHeight = 42;
constexpr int LeftBarWidth = 80;
constexpr int ToolPanelGap = 4;
constexpr int SamplePanelWidth = 64;
constexpr int SamplePanelHeight = 32;
constexpr int ControlFontSize = 12;
constexpr int BoxFontSize = 13;

// The suffix of an element tool's message on pointer movement.
const QString ElementHoverSuffix = QStringLiteral("，【左键】识别或编辑，【右键】为擦除");

} // namespace

const QString TRecogForm_::OpenDialogFilter = QStringLiteral(
    "All (*.jpg;*.jpeg;*.bmp;*.png)|*.jpg;*.jpeg;*.bmp;*.png|JPEG Image File (*.jpg)|*.jpg|"
    "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|PNG(*.png)|*.png");

TRecogForm_::TRecogForm_(QWidget* parent, PlatformSeams platform, TRecogState& recog,
                         TCurrentSkin& skin, bool reversedWheel)
    : QDialog(parent), Platform_(platform), Recog_(recog), Skin_(skin),
      Window_(recog, reversedWheel, platform.Clock.NowMs()) {
    setObjectName(QStringLiteral("RecogForm_"));
    setWindowTitle(QStringLiteral("关卡截图识别"));
    setFont(UiFont(ControlFontSize));
    setSizeGripEnabled(false);
    resize(FormWidth, FormHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateTopBar(this);
    layout->addWidget(Panel1);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    layout->addLayout(middle, 1);
    CreateLeftBar(this);
    middle->addWidget(Panel2);
    CreateDisplay(this);
    middle->addWidget(ScrollBox1, 1);
    CreateStatusBar();
    layout->addWidget(StatusBar1);
    SkinChanged();
    connect(&Skin_, &TCurrentSkin::Changed, this, &TRecogForm_::SkinChanged);
    WatchChildren();
    ShowFrame();
    Apply(Window_.SelectTool(RecogTool::ToolFrame));
}

// The value boxes report leaving them when they are destroyed with the window; by then this
// window is no longer there to hear it.
TRecogForm_::~TRecogForm_() {
    for (TRecogValueBox* box :
         {Map_Left, Map_Top, Map_Right, Map_Bottom, Map_ColWidth, Map_RowHeight}) {
        box->disconnect(this);
    }
}

QToolButton* TRecogForm_::MakeCommandButton(const char* name, CommandIcon icon, const QString& hint,
                                            void (TRecogForm_::*click)()) {
    QToolButton* button = lodrin::MakeCommandButton(Panel1, name, icon, hint);
    connect(button, &QToolButton::clicked, this, click);
    SetHover(button, hint);
    Panel1->layout()->addWidget(button);
    return button;
}

void TRecogForm_::CreateTopBar(QWidget* parent) {
    Panel1 = MakeNamedPanel(parent, "Panel1");
    PaintBackground(Panel1, BarColour());
    Panel1->setFixedHeight(TopBarHeight);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(6, 2, 6, 2);
    bar->setSpacing(2);
    sb_Open =
        MakeCommandButton("sb_Open", CommandIcon::OpenPicture,
                          QStringLiteral("打开关卡截图【Ctrl + O】"), &TRecogForm_::sb_OpenClick);
    sb_Screen =
        MakeCommandButton("sb_Screen", CommandIcon::CaptureScreen,
                          QStringLiteral("截取屏幕图像【Ctrl + K】"), &TRecogForm_::sb_ScreenClick);
    bar->addSpacing(8);
    sb_Copy = MakeCommandButton("sb_Copy", CommandIcon::Copy,
                                QStringLiteral("复制 XSB 到剪切板【Ctrl + C】"),
                                &TRecogForm_::sb_CopyClick);
    sb_Clear = MakeCommandButton("sb_Clear", CommandIcon::Clear, QStringLiteral("清空已识别内容"),
                                 &TRecogForm_::sb_ClearClick);
    bar->addSpacing(8);
    sb_UnDo = MakeCommandButton("sb_UnDo", CommandIcon::Undo, QStringLiteral("撤销【Ctrl + Z】"),
                                &TRecogForm_::sb_UnDoClick);
    sb_ReDo = MakeCommandButton("sb_ReDo", CommandIcon::Redo, QStringLiteral("重做【Shift + Z】"),
                                &TRecogForm_::sb_ReDoClick);
    bar->addSpacing(8);
    sb_Scale = MakeCommandButton("sb_Scale", CommandIcon::Scale, QStringLiteral("缩放图像"),
                                 &TRecogForm_::sb_ScaleClick);
    bt_Skin = MakeCommandButton("bt_Skin", CommandIcon::Skin, QStringLiteral("更换皮肤"),
                                &TRecogForm_::bt_SkinClick);
    sb_Return = MakeCommandButton("sb_Return", CommandIcon::Return,
                                  QStringLiteral("结束识别，返回编辑【Ctrl + Q】"),
                                  &TRecogForm_::sb_ReturnClick);
    bar->addSpacing(14);
    CreateValueBoxes(Panel1);
    bar->addStretch(1);
    CreateSamplePanel(Panel1);
    bar->addWidget(Panel4);
}

TRecogValueBox* TRecogForm_::MakeValueBox(QWidget* parent, const char* name, const QString& caption,
                                          FrameBox box, const QString& hint) {
    auto* label = new QLabel(caption, parent);
    label->setFont(UiFont(BoxFontSize));
    parent->layout()->addWidget(label);
    auto* valueBox = new TRecogValueBox(parent, TypedLength(box));
    valueBox->setObjectName(QString::fromLatin1(name));
    valueBox->setFont(UiFont(BoxFontSize));
    valueBox->setFixedWidth(TypedLength(box) == 4 ? 66 : 58);
    parent->layout()->addWidget(valueBox);
    SetHover(valueBox, hint, Hover::ValueBox, box);
    connect(valueBox, &TRecogValueBox::Stepped, this, [this, box](int delta) {
        Recog_.Frame.StepBox(box, delta);
        FrameEdited();
    });
    connect(valueBox, &TRecogValueBox::Typed, this, [this, box, valueBox](const QString& text) {
        Recog_.Frame.TypeText(box, text.toStdString());
        FrameEdited(valueBox);
    });
    connect(valueBox, &TRecogValueBox::Finished, this, [this, box] {
        Recog_.Frame.LeaveBox(box);
        FrameEdited();
    });
    return valueBox;
}

QToolButton* TRecogForm_::MakeQuickButton(QWidget* parent, const char* name, const QString& caption,
                                          FrameBox box, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setFixedSize(20, 24);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    connect(button, &QToolButton::clicked, this, [this, box] { QuickBorderClick(box); });
    SetHover(button, hint, Hover::NoTarget);
    parent->layout()->addWidget(button);
    return button;
}

void TRecogForm_::CreateValueBoxes(QWidget* parent) {
    auto* bar = static_cast<QHBoxLayout*>(parent->layout());
    Map_Left = MakeValueBox(parent, "Map_Left", QStringLiteral("左边界:"), FrameBox::Left,
                            QStringLiteral("输入或微调【左边界】"));
    SpeedButton3 = MakeQuickButton(parent, "SpeedButton3", QStringLiteral("0"), FrameBox::Left,
                                   QStringLiteral("以截图【最左边】为关卡【左边界】"));
    bar->addSpacing(6);
    Map_Top = MakeValueBox(parent, "Map_Top", QStringLiteral("上边界:"), FrameBox::Top,
                           QStringLiteral("输入或微调【上边界】"));
    SpeedButton4 = MakeQuickButton(parent, "SpeedButton4", QStringLiteral("0"), FrameBox::Top,
                                   QStringLiteral("以截图【最上边】为关卡【上边界】"));
    bar->addSpacing(6);
    Map_Right = MakeValueBox(parent, "Map_Right", QStringLiteral("右边界:"), FrameBox::Right,
                             QStringLiteral("输入或微调【右边界】"));
    SpeedButton1 = MakeQuickButton(parent, "SpeedButton1", QStringLiteral("∞"), FrameBox::Right,
                                   QStringLiteral("以截图【最右边】为关卡【右边界】"));
    bar->addSpacing(6);
    Map_Bottom = MakeValueBox(parent, "Map_Bottom", QStringLiteral("下边界:"), FrameBox::Bottom,
                              QStringLiteral("输入或微调【下边界】"));
    SpeedButton2 = MakeQuickButton(parent, "SpeedButton2", QStringLiteral("∞"), FrameBox::Bottom,
                                   QStringLiteral("以截图【最下边】为关卡【下边界】"));
    bar->addSpacing(12);
    Map_ColWidth = MakeValueBox(parent, "Map_ColWidth", QStringLiteral("列宽:"), FrameBox::ColWidth,
                                QStringLiteral("输入或微调【列宽】"));
    bar->addSpacing(6);
    Map_RowHeight = MakeValueBox(parent, "Map_RowHeight", QStringLiteral("行高:"),
                                 FrameBox::RowHeight, QStringLiteral("输入或微调【行高】"));
}

void TRecogForm_::CreateSamplePanel(QWidget* parent) {
    Panel4 = MakeNamedPanel(parent, "Panel4");
    PaintBackground(Panel4, BarColour());
    Panel4->setFixedSize(SamplePanelWidth, SamplePanelHeight);
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel4Caption = new QLabel(QStringLiteral("样本参考"), Panel4);
    Panel4Caption->setObjectName(QStringLiteral("Panel4Caption"));
    Panel4Caption->setAlignment(Qt::AlignCenter);
    Panel4Caption->setGeometry(0, 0, SamplePanelWidth, SamplePanelHeight);
    Image3 = new QLabel(Panel4);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(0, 0, SamplePanelWidth, SamplePanelHeight);
    Image3->hide();
    SetHover(Image3, QStringLiteral("样本参考"));
}

void TRecogForm_::CreateLeftBar(QWidget* parent) {
    Panel2 = MakeNamedPanel(parent, "Panel2");
    PaintBackground(Panel2, BarColour());
    Panel2->setFixedWidth(LeftBarWidth);
    struct Slot {
        QFrame** Panel;
        QLabel** Image;
        const char* PanelName;
        const char* ImageName;
        RecogTool Tool;
        const char* Hint;
    };
    const Slot toolSlots[] = {
        {&pl_Wall, &img_Wall, "pl_Wall", "img_Wall", RecogTool::ToolWall, "进入『墙壁』“识别模式”"},
        {&pl_Box, &img_Box, "pl_Box", "img_Box", RecogTool::ToolBox, "进入『箱子』“识别模式”"},
        {&pl_BoxGoal, &img_BoxGoal, "pl_BoxGoal", "img_BoxGoal", RecogTool::ToolBoxOnGoal,
         "进入『目标位箱子』“识别模式”"},
        {&pl_Goal, &img_Goal, "pl_Goal", "img_Goal", RecogTool::ToolGoal,
         "进入『目标位』“识别模式”"},
        {&pl_Player, &img_Player, "pl_Player", "img_Player", RecogTool::ToolPlayer,
         "进入『仓管员』“识别模式”"},
        {&pl_Floor, &img_Floor, "pl_Floor", "img_Floor", RecogTool::ToolErase, "擦除已有的识别"},
        {&pl_Select, &img_Select, "pl_Select", "img_Select", RecogTool::ToolFrame,
         "进入“边框调整”模式"},
    };
    int top = 6;
    for (const Slot& slot : toolSlots) {
        const auto [panel, image] =
            MakeToolSlot(Panel2, slot.PanelName, slot.ImageName, top, QString::fromUtf8(slot.Hint));
        Tools_[image] = {slot.Tool, panel};
        *slot.Panel = panel;
        *slot.Image = image;
        top += ToolPanelSize + ToolPanelGap;
    }
    for (QLabel* image : {img_Wall, img_Box, img_BoxGoal, img_Goal, img_Player}) {
        SetHover(image, image->toolTip() + ElementHoverSuffix);
    }
    SetHover(img_Floor, QStringLiteral("擦除已有的识别，【左、右键】均可"));
    SetHover(img_Select, QStringLiteral("进入“调整边框”模式，【左键双击】可快速指定“左上角”；"
                                        "【右键单击】可快速指定“右下角”"));
    img_Floor->setPixmap(QPixmap::fromImage(ToolPicture(CommandIcon::Clear, ToolImageSize)));
    img_Select->setPixmap(QPixmap::fromImage(ToolPicture(CommandIcon::Frame, ToolImageSize)));
    CreateSettings(Panel2);
}

void TRecogForm_::CreateSettings(QWidget* parent) {
    const auto makeCheck = [parent](const char* name, const QString& caption, QRect geometry) {
        auto* check = new QCheckBox(caption, parent);
        check->setObjectName(QString::fromLatin1(name));
        check->setGeometry(geometry);
        check->setFont(UiFont(BoxFontSize));
        check->setFocusPolicy(Qt::NoFocus);
        return check;
    };
    const int top = 6 + 7 * (ToolPanelSize + ToolPanelGap) + 4;
    CheckBox2 = makeCheck("CheckBox2", QStringLiteral("XSB字符"), QRect(6, top, 72, 22));
    CheckBox1 = makeCheck("CheckBox1", QStringLiteral("手动编辑"), QRect(6, top + 24, 72, 22));
    CheckBox2->setCursor(Qt::PointingHandCursor);
    CheckBox1->setCursor(Qt::PointingHandCursor);
    Label7 = new QLabel(QStringLiteral("相似度: 60%"), parent);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setGeometry(6, top + 56, 72, 18);
    TrackBar2 = new QSlider(Qt::Horizontal, parent);
    TrackBar2->setObjectName(QStringLiteral("TrackBar2"));
    TrackBar2->setGeometry(4, top + 76, 72, 24);
    TrackBar2->setRange(30, 99);
    TrackBar2->setValue(Recog_.Settings.Threshold);
    TrackBar2->setCursor(Qt::SplitHCursor);
    TrackBar2->setFocusPolicy(Qt::NoFocus);
    CheckBox4 = makeCheck("CheckBox4", QStringLiteral("色相"), QRect(6, top + 106, 72, 22));
    CheckBox5 = makeCheck("CheckBox5", QStringLiteral("平均灰度"), QRect(6, top + 130, 72, 22));
    CheckBox4->setChecked(Recog_.Settings.HueCheck);
    CheckBox5->setChecked(Recog_.Settings.GreyCheck);
    connect(CheckBox2, &QCheckBox::clicked, this, &TRecogForm_::CheckBox2Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TRecogForm_::CheckBox1Click);
    connect(CheckBox4, &QCheckBox::clicked, this, &TRecogForm_::CheckBox4Click);
    connect(CheckBox5, &QCheckBox::clicked, this, &TRecogForm_::CheckBox5Click);
    connect(TrackBar2, &QSlider::valueChanged, this, &TRecogForm_::TrackBar2Change);
    SetHover(CheckBox2, QStringLiteral("使用 XSB 字符显示识别出来的元素"));
    SetHover(CheckBox1, QStringLiteral("进入“手动编辑”模式"));
    SetHover(Label7, QStringLiteral("相似度，是指图块在造型方面的相似程度！"));
    SetHover(CheckBox4, QStringLiteral("色调是否参与比对！"));
    SetHover(CheckBox5, QStringLiteral("灰度是否参与比对！"));
}

void TRecogForm_::CreateDisplay(QWidget* parent) {
    ScrollBox1 = new QScrollArea(parent);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setFocusPolicy(Qt::StrongFocus);
    ScrollBox1->viewport()->setMouseTracking(true);
    Image1 = new TRecogDisplay(ScrollBox1, Window_, Skin_.Strip());
    Image1->setObjectName(QStringLiteral("Image1"));
    ScrollBox1->setWidget(Image1);
    Image1->FitDisplay();
    connect(Image1, &TRecogDisplay::Pressed, this, &TRecogForm_::Image1MouseDown);
    connect(Image1, &TRecogDisplay::Moved, this, &TRecogForm_::Image1MouseMove);
    connect(Image1, &TRecogDisplay::Released, this, &TRecogForm_::Image1MouseUp);
}

void TRecogForm_::CreateStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    const int widths[] = {40, 50, 40, 50, 52, 50, 52, 50, 50};
    const char* const captions[] = {"行数", "", "列数", "", "箱子数", "", "目标数", "", ""};
    const std::vector<QLabel*> panels = MakeStatusPanels(StatusBar1, captions, widths);
    std::copy(panels.begin(), panels.end(), Panels_.begin());
}

void TRecogForm_::SetHover(QWidget* widget, const QString& message, Hover::Kind target,
                           FrameBox box) {
    Hovers_[widget] = {message, target, box};
    widget->setMouseTracking(true);
}

// The window sees every key and wheel turn first, and the pointer's moves over its controls.
void TRecogForm_::WatchChildren() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    for (QWidget* bar :
         {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(Panel2), ScrollBox1->viewport()}) {
        bar->setMouseTracking(true);
    }
}

TRecogValueBox* TRecogForm_::BoxOf(FrameBox box) const {
    switch (box) {
    case FrameBox::Left:
        return Map_Left;
    case FrameBox::Top:
        return Map_Top;
    case FrameBox::Right:
        return Map_Right;
    case FrameBox::Bottom:
        return Map_Bottom;
    case FrameBox::RowHeight:
        return Map_RowHeight;
    case FrameBox::ColWidth:
        return Map_ColWidth;
    }
    return Map_Left;
}

QString TRecogForm_::StatusText(RecogPanel panel) const {
    return Panel(panel)->text();
}

void TRecogForm_::ShowMessage(const QString& text) {
    Panel(RecogPanel::Message)->setText(text);
}

void TRecogForm_::ShowMessage(std::string_view text) {
    ShowMessage(FromUtf8(text));
}

void TRecogForm_::SkinChanged() {
    const std::pair<QLabel*, int> images[] = {{img_Wall, Wall},
                                              {img_Box, Box},
                                              {img_BoxGoal, BoxOnGoal},
                                              {img_Goal, Goal},
                                              {img_Player, Player}};
    for (const auto& [image, code] : images) {
        image->setPixmap(QPixmap::fromImage(Skin_.Strip().Tile(code)));
    }
    Cursors_.Build(Skin_.Strip());
    Image1->StripChanged();
    Image1->setCursor(Cursors_.Get(ToolLook(Window_.Tool).Pointer));
}

void TRecogForm_::ShowTool() {
    for (const auto& [image, slot] : Tools_) {
        PaintBackground(slot.Panel,
                        slot.Tool == Window_.Tool ? ActiveToolColour() : InactiveCaptionColour());
    }
}

// Shows the frame's six values and the row and column counts. The box being typed into
// keeps its text.
void TRecogForm_::ShowFrame(const TRecogValueBox* typing) {
    const TRecogFrame& frame = Recog_.Frame;
    for (FrameBox box : {FrameBox::Left, FrameBox::Top, FrameBox::Right, FrameBox::Bottom,
                         FrameBox::RowHeight, FrameBox::ColWidth}) {
        if (BoxOf(box) != typing) {
            BoxOf(box)->ShowValue(frame.Box(box).Value);
        }
    }
    Panel(RecogPanel::Rows)->setText(QString::number(frame.Rows()));
    Panel(RecogPanel::Cols)->setText(QString::number(frame.Cols()));
    Image1->FitDisplay();
}

void TRecogForm_::FrameEdited(const TRecogValueBox* typing) {
    ShowFrame(typing);
    myDraw();
}

void TRecogForm_::ShowSamplePanel() {
    const bool open = Window_.SamplePanelOpen;
    Panel4Caption->setVisible(!open);
    Image3->setVisible(open);
    if (open) {
        Image3->setPixmap(QPixmap::fromImage(SamplePanelPicture(Recog_)));
    }
}

} // namespace lodrin
