#include "platform/WindowParts.h"

#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

namespace lodrin {

void CentreOnParent(QWidget& window) {
    if (const QWidget* owner = window.parentWidget()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(owner->frameGeometry().center());
        window.move(frame.topLeft());
    }
}

QFrame* MakeNamedPanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

QToolButton* MakeCommandButton(QWidget* parent, const char* name, CommandIcon icon,
                               const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(MakeCommandIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setFixedSize(34, 31);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    return button;
}

ToolSlotWidgets MakeToolSlot(QWidget* bar, const char* panelName, const char* imageName, int top,
                             const QString& hint) {
    QFrame* panel = MakeNamedPanel(bar, panelName);
    panel->setGeometry((bar->width() - ToolPanelSize) / 2, top, ToolPanelSize, ToolPanelSize);
    auto* image = new QLabel(panel);
    image->setObjectName(QString::fromLatin1(imageName));
    const int inset = (ToolPanelSize - ToolImageSize) / 2;
    image->setGeometry(inset, inset, ToolImageSize, ToolImageSize);
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(hint);
    return {panel, image};
}

std::vector<QLabel*> MakeStatusPanels(QStatusBar* bar, std::span<const StatusPanelLook> looks) {
    std::vector<QLabel*> panels;
    for (std::size_t i = 0; i < looks.size(); ++i) {
        const StatusPanelLook& look = looks[i];
        auto* panel = new QLabel(QString::fromUtf8(look.Caption), bar);
        panel->setObjectName(bar->objectName() + QStringLiteral("_Panel%1").arg(i));
        panel->setFrameStyle(look.Sunken ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        panel->setAlignment(look.Alignment);
        const bool message = i + 1 == looks.size();
        panel->setMinimumWidth(look.Width);
        if (!message) {
            panel->setFixedWidth(look.Width);
        }
        bar->addWidget(panel, message ? 1 : 0);
        panels.push_back(panel);
    }
    return panels;
}

std::vector<QLabel*> MakeStatusPanels(QStatusBar* bar, std::span<const char* const> captions,
                                      std::span<const int> widths) {
    std::vector<StatusPanelLook> looks;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const bool message = i + 1 == captions.size();
        looks.push_back({widths[i], message ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter,
                         true, captions[i]});
    }
    return MakeStatusPanels(bar, looks);
}

} // namespace lodrin
