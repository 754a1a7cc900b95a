#pragma once

#include "platform/CommandIcons.h"
#include "platform/SystemColours.h"

#include <QColor>
#include <QString>

#include <span>
#include <vector>

class QFrame;
class QLabel;
class QStatusBar;
class QToolButton;
class QWidget;

namespace lodrin {

// The colour of the windows' bars and tool panels: red 191, green 205, blue 219.
inline QColor BarColour() {
    return {191, 205, 219};
}
// The colour of the selected tool's panel.
inline QColor ActiveToolColour() {
    return {255, 0, 0};
}
// Places a window so that its centre is that of its parent window's frame (a window without
// a parent stays where it is).
void CentreOnParent(QWidget& window);

// A plain panel, its name as objectName.
QFrame* MakeNamedPanel(QWidget* parent, const char* name);

// A flat button of a command bar: the command's picture, 34 x 31, its hint as tooltip, and
// no keyboard focus, so that the window's keys stay where they are.
QToolButton* MakeCommandButton(QWidget* parent, const char* name, CommandIcon icon,
                               const QString& hint);

// A tool of a tool bar: a 66 x 66 panel at the given place holding a 60 x 60 picture with
// the hand pointer and the hint as tooltip.
struct ToolSlotWidgets {
    QFrame* Panel;
    QLabel* Image;
};
ToolSlotWidgets MakeToolSlot(QWidget* bar, const char* panelName, const char* imageName, int top,
                             const QString& hint);
// The side of a tool panel and of its picture, and the room between two panels.
inline constexpr int ToolPanelSize = 66;
inline constexpr int ToolImageSize = 60;

// How one panel of a status bar looks: its width, where its text sits, whether it is sunk
// into the bar, and its caption.
struct StatusPanelLook {
    int Width;
    Qt::Alignment Alignment;
    bool Sunken;
    const char* Caption;
};

// The panels of a status bar, left to right, as they look: the last one takes the rest of
// the bar (the message panel), the others keep their width.
std::vector<QLabel*> MakeStatusPanels(QStatusBar* bar, std::span<const StatusPanelLook> looks);

// Sunken panels with their captions, each of the given width, centred but the last one,
// which is left-aligned.
std::vector<QLabel*> MakeStatusPanels(QStatusBar* bar, std::span<const char* const> captions,
                                      std::span<const int> widths);

} // namespace lodrin
