#pragma once

// The error box for a failure that left an event handler: the system's modal message
// box with the stop icon, one OK button and the application title as caption. Its
// text is the message with a full stop added after a letter or a digit; a very long
// message is shortened in the middle so that the box fits on the screen.

#include <QString>

// Opens the box and returns when the user has closed it. Timer ticks go on meanwhile.
void ShowErrorBox(const QString& message);
