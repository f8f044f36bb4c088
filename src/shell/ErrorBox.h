#pragma once

// The error box for a failure that left an event handler: the system's modal message
// box with the stop icon, one OK button and the application title as caption.

#include <QString>

// Opens the box and returns when the user has closed it. Timer ticks go on meanwhile.
void ShowErrorBox(const QString& message);
