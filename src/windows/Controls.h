#pragma once

// Small helpers for the controls of both windows: fonts by character height in
// pixels and opaque background colours.

#include "model/TColor.h"

#include <QFont>

class QWidget;

// The window font face at this character height in pixels (not points).
QFont FormFont(int characterHeight);

QColor ToQColor(TColor colour);

// Fills the control's background opaquely with this colour, under its palette role.
void SetBackground(QWidget* control, TColor colour);
