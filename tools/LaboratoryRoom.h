#pragma once

// The laboratory behind the hardness tester in its photograph: the pale yellow-green
// walls lit from a window on the left, a pale notice board in the top-left corner,
// the floor, and on the right a bench with an electric furnace. The machine is
// painted over it by the photograph itself.

#include <QPainter>

void DrawLaboratoryRoom(QPainter& painter, QSize size);
