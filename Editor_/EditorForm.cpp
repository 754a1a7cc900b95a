#include "Editor_/EditorForm.h"

#include "Editor_/EditorGrid.h"
#include "Editor_/LevelFileReader.h"
#include "platform/CommandIcons.h"
#include "platform/WindowParts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>

namespace lodrin {
const QString TEditorForm_::SaveDialog1Filter = QStringLiteral("关卡文档(*.xsb;*.txt)|*.xsb;*.txt");

TEditorForm_::TEditorForm_(PlatformSeams platform, StartOptions options, TCurrentSkin& skin)
    : Platform_(platform), Options_(options), Skin_(skin), FileReader_(new TLevelFileReader(this)) {
    setObjectName(QStringLiteral("EditorForm_"));
    setAcceptDrops(true); // a level file dropped on the window opens
    setWindowTitle(QStringLiteral("关卡编辑器 v20.01"));
    setMinimumSize(800, 560);
    resize(800, 561);
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);
    CreateMenus();
    CreateCommandBar();
    layout->addWidget(Panel1);
    Panel2 = MakeNamedPanel(central, "Panel2");
    layout->addWidget(Panel2, 1);
    CreateToolBar();
    CreateGrid();
    CreateStatusBar();
    SkinChanged();
    connect(&Skin_, &TCurrentSkin::Changed, this, &TEditorForm_::SkinChanged);
    SetSelect();
    ShowCounts();
    FocusCellChanged(DrawGrid1->Row(), DrawGrid1->Col());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

TEditorForm_::~TEditorForm_() = default;

QAction* TEditorForm_::MakeAction(QMenu* menu, const char* name, const QString& caption,
                                  void (TEditorForm_::*click)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, click);
    return action;
}

void TEditorForm_::CreateMenus() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N1 = MakeAction(PopupMenu1, "N1", QStringLiteral("右移一列    【Ctrl + →】"),
                    &TEditorForm_::N1Click);
    N2 = MakeAction(PopupMenu1, "N2", QStringLiteral("左移一列    【Ctrl + ←】"),
                    &TEditorForm_::N2Click);
    N3 = MakeAction(PopupMenu1, "N3", QStringLiteral("下移一行    【Ctrl + ↓】"),
                    &TEditorForm_::N3Click);
    N4 = MakeAction(PopupMenu1, "N4", QStringLiteral("上移一行    【Ctrl + ↑】"),
                    &TEditorForm_::N4Click);
    N12 = PopupMenu1->addSeparator();
    N12->setObjectName(QStringLiteral("N12"));
    N6 = MakeAction(PopupMenu1, "N6", QStringLiteral("参考图"), &TEditorForm_::N6Click);
    N7 = MakeAction(PopupMenu1, "N7", QStringLiteral("小参考图"), &TEditorForm_::N7Click);
    N6->setCheckable(true);
    N7->setCheckable(true);
    connect(N6, &QAction::toggled, this, &TEditorForm_::ReferenceLayersChanged);
    connect(N7, &QAction::toggled, this, &TEditorForm_::ReferenceLayersChanged);
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    PopupMenu3 = new QMenu(this);
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    N8 = MakeAction(PopupMenu3, "N8", QStringLiteral("最小标准化"), &TEditorForm_::N8Click);
    PopupMenu4 = new QMenu(this);
    PopupMenu4->setObjectName(QStringLiteral("PopupMenu4"));
    N9 = MakeAction(PopupMenu4, "N9", QStringLiteral("清除箱子"), &TEditorForm_::N9Click);
    N10 = MakeAction(PopupMenu4, "N10", QStringLiteral("清除目标点"), &TEditorForm_::N10Click);
    N11 = MakeAction(PopupMenu4, "N11", QStringLiteral("仅保留墙壁"), &TEditorForm_::N11Click);
}

QToolButton* TEditorForm_::MakeCommandButton(const char* name, CommandIcon icon,
                                             const QString& hint, void (TEditorForm_::*click)()) {
    QToolButton* button = lodrin::MakeCommandButton(Panel1, name, icon, hint);
    connect(button, &QToolButton::clicked, this, click);
    SetHint(button, hint);
    Panel1->layout()->addWidget(button);
    return button;
}

void TEditorForm_::CreateCommandBar() {
    Panel1 = MakeNamedPanel(centralWidget(), "Panel1");
    PaintBackground(Panel1, BarColour());
    Panel1->setFixedHeight(35);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->setSpacing(2);
    bt_LeftBar = new QPushButton(QStringLiteral("<"), Panel1);
    bt_LeftBar->setObjectName(QStringLiteral("bt_LeftBar"));
    bt_LeftBar->setFixedSize(26, 29);
    bt_LeftBar->setFocusPolicy(Qt::NoFocus);
    connect(bt_LeftBar, &QPushButton::clicked, this, &TEditorForm_::bt_LeftBarClick);
    SetHint(bt_LeftBar, QStringLiteral("切换编辑模式或摆箱子模式【H】"));
    bar->addWidget(bt_LeftBar);
    bar->addSpacing(10);
    sb_SaveToFile = MakeCommandButton("sb_SaveToFile", CommandIcon::SaveToFile,
                                      QStringLiteral("保存到文档【Ctrl + S】"),
                                      &TEditorForm_::sb_SaveToFileClick);
    sb_Save = MakeCommandButton("sb_Save", CommandIcon::Copy,
                                QStringLiteral("复制 - 送入剪切板【Ctrl + C】"),
                                &TEditorForm_::sb_SaveClick);
    sb_Load = MakeCommandButton("sb_Load", CommandIcon::Paste,
                                QStringLiteral("粘贴 - 从剪切板读入【Ctrl + V】"),
                                &TEditorForm_::sb_LoadClick);
    bar->addSpacing(10);
    sb_UnDo = MakeCommandButton("sb_UnDo", CommandIcon::Undo, QStringLiteral("撤销【Ctrl + Z】"),
                                &TEditorForm_::sb_UnDoClick);
    sb_ReDo = MakeCommandButton("sb_ReDo", CommandIcon::Redo, QStringLiteral("重做【Shift + Z】"),
                                &TEditorForm_::sb_ReDoClick);
    bar->addSpacing(10);
    sb_Clear = MakeCommandButton("sb_Clear", CommandIcon::Clear, QStringLiteral("清空重来"),
                                 &TEditorForm_::sb_ClearClick);
    sb_Inf = MakeCommandButton("sb_Inf", CommandIcon::LevelInfo, QStringLiteral("地图说明信息"),
                               &TEditorForm_::sb_InfClick);
    sb_Xsb_OK = MakeCommandButton("sb_Xsb_OK", CommandIcon::Normalize,
                                  QStringLiteral("地图标准化【右键: 最小标准化】"),
                                  &TEditorForm_::sb_Xsb_OKClick);
    bar->addSpacing(10);
    bt_Skin = MakeCommandButton("bt_Skin", CommandIcon::Skin, QStringLiteral("更换皮肤【F2】"),
                                &TEditorForm_::bt_SkinClick);
    sb_LoadPic = MakeCommandButton("sb_LoadPic", CommandIcon::Recognize, QStringLiteral("截图识别"),
                                   &TEditorForm_::sb_LoadPicClick);
    sb_Help = MakeCommandButton("sb_Help", CommandIcon::Help, QStringLiteral("帮助【F1]"),
                                &TEditorForm_::sb_HelpClick);
    bar->addSpacing(10);
    sb_Trial =
        MakeCommandButton("sb_Trial", CommandIcon::Trial,
                          QStringLiteral("演炼场【正推演练：F5/单击；逆推演练：F6/Ctrl + 单击】"),
                          &TEditorForm_::sb_TrialClick);
    bar->addStretch(1);
    for (const auto& buttonMenu :
         {std::pair{sb_Clear, PopupMenu4}, std::pair{sb_Xsb_OK, PopupMenu3}}) {
        // Named copies: clang 14 cannot capture structured bindings in a lambda.
        auto* const button = buttonMenu.first;
        auto* const menu = buttonMenu.second;
        button->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(button, &QWidget::customContextMenuRequested, this,
                [button = button, menu = menu](const QPoint& pos) {
                    menu->popup(button->mapToGlobal(pos));
                });
    }
}

void TEditorForm_::CreateToolBar() {
    auto* row = new QHBoxLayout(Panel2);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    Panel3 = MakeNamedPanel(Panel2, "Panel3");
    PaintBackground(Panel3, BarColour());
    Panel3->setFixedWidth(80);
    row->addWidget(Panel3);
    struct ToolSlot {
        QFrame** panel;
        QLabel** image;
        const char* panelName;
        const char* imageName;
        EditTool tool;
        const char* hint;
    };
    const ToolSlot toolSlots[] = {
        {&pl_Wall, &img_Wall, "pl_Wall", "img_Wall", EditTool::WallTool, "绘制 -- 『墙壁』"},
        {&pl_Box, &img_Box, "pl_Box", "img_Box", EditTool::BoxTool, "绘制 -- 『箱子』"},
        {&pl_Goal, &img_Goal, "pl_Goal", "img_Goal", EditTool::GoalTool, "绘制 -- 『目标点』"},
        {&pl_Floor, &img_Floor, "pl_Floor", "img_Floor", EditTool::FloorTool, "绘制 -- 『地板』"},
        {&pl_Player, &img_Player, "pl_Player", "img_Player", EditTool::PlayerTool,
         "绘制 -- 『仓管员』"},
        {&pl_Select, &img_Select, "pl_Select", "img_Select", EditTool::SelectTool,
         "进入“浏览模式”"},
    };
    int top = 8;
    for (const ToolSlot& slot : toolSlots) {
        const QString hint = QString::fromUtf8(slot.hint);
        const auto [panel, image] = MakeToolSlot(Panel3, slot.panelName, slot.imageName, top, hint);
        SetHint(image, hint);
        ToolImages_[image] = {slot.tool, panel};
        *slot.panel = panel;
        *slot.image = image;
        top += ToolPanelSize + 8;
    }
    img_Select->setPixmap(QPixmap::fromImage(BrowseToolPicture(ToolImageSize)));
}

void TEditorForm_::CreateGrid() {
    DrawGrid1 = new TEditorGrid(Panel2);
    DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    DrawGrid1->SetBoard(&Doc_.board);
    DrawGrid1->SetStrip(&Skin_.Strip());
    DrawGrid1->installEventFilter(this);
    Panel2->layout()->addWidget(DrawGrid1);
    connect(DrawGrid1, &TEditorGrid::CellPressed, this, &TEditorForm_::DrawGrid1MouseDown);
    connect(DrawGrid1, &TEditorGrid::CellEntered, this, &TEditorForm_::DrawGrid1MouseMove);
    connect(DrawGrid1, &TEditorGrid::MouseReleased, this, &TEditorForm_::DrawGrid1MouseUp);
    connect(DrawGrid1, &TEditorGrid::FocusCellChanged, this, &TEditorForm_::FocusCellChanged);
}

void TEditorForm_::CreateStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
    const int widths[] = {24, 50, 24, 50, 36, 50, 36, 50, 50};
    const char* const captions[] = {"行", "", "列", "", "箱子", "", "目标", "", ""};
    const std::vector<QLabel*> panels = MakeStatusPanels(StatusBar1, captions, widths);
    std::copy(panels.begin(), panels.end(), Panels_.begin());
}

QString TEditorForm_::StatusText(StatusPanel panel) const {
    return StatusLabel(panel)->text();
}

void TEditorForm_::SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->installEventFilter(this);
    Hints_[widget] = hint;
}

void TEditorForm_::SkinChanged() {
    const std::pair<QLabel*, int> images[] = {{img_Wall, Wall},
                                              {img_Box, Box},
                                              {img_Goal, Goal},
                                              {img_Floor, Floor},
                                              {img_Player, Player}};
    for (const auto& [image, code] : images) {
        image->setPixmap(QPixmap::fromImage(Skin_.Strip().Tile(code)));
    }
    Cursors_.Build(Skin_.Strip());
    DrawGrid1->StripChanged();
    SetSelect();
}

void TEditorForm_::SetSelect() {
    const EditTool tool = Doc_.Tool;
    const std::optional<ToolCursor> cursor = CursorOfTool(tool);
    if (tool == EditTool::BoxPlacement) {
        DrawGrid1->viewport()->setCursor(Cursors_.Get(*cursor));
        DrawGrid1->SetPopupMenu(PopupMenu4);
        return;
    }
    for (const auto& [image, palette] : ToolImages_) {
        PaintBackground(palette.Panel,
                        palette.Tool == tool ? ActiveToolColour() : InactiveCaptionColour());
    }
    if (cursor) {
        DrawGrid1->viewport()->setCursor(Cursors_.Get(*cursor));
        DrawGrid1->SetPopupMenu(PopupMenu2);
    } else {
        DrawGrid1->viewport()->setCursor(Qt::ArrowCursor);
        DrawGrid1->SetPopupMenu(PopupMenu1);
    }
}

bool TEditorForm_::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched == DrawGrid1) {
            return HandleKey(static_cast<QKeyEvent*>(event));
        }
        break;
    case QEvent::Enter:
        if (auto hint = Hints_.find(watched); hint != Hints_.end()) {
            ShowMessage(hint->second);
        }
        break;
    case QEvent::Leave:
        if (auto hint = Hints_.find(watched);
            hint != Hints_.end() && StatusText(StatusPanel::Message) == hint->second) {
            ShowMessage({});
        }
        break;
    case QEvent::MouseButtonRelease:
        if (auto tool = ToolImages_.find(watched); tool != ToolImages_.end()) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
                ToolClick(tool->second.Tool);
            }
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TEditorForm_::HandleKey(QKeyEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (FormKeyDown(event->key(), event->modifiers())) {
            return true;
        }
        FormKeyPress(event->key(), event->text());
        return false;
    }
    if (!event->isAutoRepeat()) {
        FormKeyUp(event->key(), event->modifiers());
    }
    return false;
}

void TEditorForm_::keyPressEvent(QKeyEvent* event) {
    HandleKey(event);
    event->accept();
}

void TEditorForm_::keyReleaseEvent(QKeyEvent* event) {
    HandleKey(event);
    event->accept();
}

void TEditorForm_::wheelEvent(QWheelEvent* event) {
    DrawGrid1->TurnWheel(event);
    event->accept();
}

void TEditorForm_::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    ShowMode();
    DrawGrid1->setFocus();
    OpenStartFile();
}

void TEditorForm_::ShowMode() {
    const bool placing = Doc_.Tool == EditTool::BoxPlacement;
    Panel3->setVisible(!placing);
    bt_LeftBar->setText(placing ? QStringLiteral(">") : QStringLiteral("<"));
}

void TEditorForm_::closeEvent(QCloseEvent* event) {
    if (FormCloseQuery()) {
        event->accept();
    } else {
        event->ignore();
    }
}

void TEditorForm_::ShowMessage(const QString& text) {
    StatusLabel(StatusPanel::Message)->setText(text);
}

void TEditorForm_::ShowCounts() {
    StatusLabel(StatusPanel::Boxes)->setText(QString::number(Doc_.BoxCount));
    StatusLabel(StatusPanel::Goals)->setText(QString::number(Doc_.GoalCount));
}

void TEditorForm_::FocusCellChanged(int row, int col) {
    StatusLabel(StatusPanel::Row)->setText(QString::number(row + 1));
    StatusLabel(StatusPanel::Col)->setText(QString::number(col + 1));
}

} // namespace lodrin
