#pragma once

#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/ModifierState.h"
#include "platform/ScreenCapture.h"

namespace lodrin {

// The platform seams a window uses; the owner (the program, or a test) keeps
// the implementations alive for as long as the windows live.
struct PlatformSeams {
    TMessageBoxes& Messages;
    TFileDialogs& Files;
    TModifierState& Modifiers;
    TClock& Clock;
    TScreenCapture& Screen;
};

// The seams as the program uses them: Qt's dialogs, keyboard, clock and screen.
class TQtPlatform {
public:
    PlatformSeams Seams() { return {Messages_, Files_, Modifiers_, Clock_, Screen_}; }

private:
    TQtMessageBoxes Messages_;
    TQtFileDialogs Files_;
    TQtModifierState Modifiers_;
    TSteadyClock Clock_;
    TQtScreenCapture Screen_;
};

} // namespace lodrin
