#pragma once

// The notice box of the program's own check: a dialog centred on the screen with the
// application title as caption, no icon, the text wrapped to at most half the screen
// width and one "OK" button that Enter, Escape and a click all close.

#include <QString>

// Opens the box and returns when the user has closed it. Timer ticks go on meanwhile.
void ShowMessage(const QString& text);
