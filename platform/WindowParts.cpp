#include "platform/WindowParts.h"

#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <QToolButton>

namespace lodrin {

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

std::vector<QLabel*> MakeStatusPanels(QStatusBar* bar, std::span<const char* const> captions,
                                      std::span<const int> widths) {
    std::vector<QLabel*> panels;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* panel = new QLabel(QString::fromUtf8(captions[i]), bar);
        panel->setObjectName(bar->objectName() + QStringLiteral("_Panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        const bool message = i + 1 == captions.size();
        panel->setAlignment(message ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        panel->setMinimumWidth(widths[i]);
        if (!message) {
            panel->setFixedWidth(widths[i]);
        }
        bar->addWidget(panel, message ? 1 : 0);
        panels.push_back(panel);
    }
    return panels;
}

} // namespace lodrin
