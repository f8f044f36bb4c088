#pragma once

// The photograph of the hardness tester in the setup window, 620 × 651, painted to
// look like a colour photograph taken from the side in daylight from the left: the
// machine in the middle, its weights on the left, a bench with a furnace behind it
// on the right. The setup window shows only its left 537 columns.

#include <QImage>

QImage TesterPhotograph();
