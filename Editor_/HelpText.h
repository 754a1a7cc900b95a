#pragma once

#include <QString>

namespace lodrin {

// The help window's text: the editor's keys and mouse, then the recognition
// window's modes, lines joined by LF.
QString HelpText();

// How many lines the help text has.
int HelpLineCount();

} // namespace lodrin
