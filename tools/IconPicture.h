#pragma once

// The images of the program's icon, 32 × 32 and 16 × 16: a ball threaded on a blue
// stem between two bars, in a blue holder, in the standard 16 colours on white.

#include <QImage>
#include <QList>

QList<QImage> IconImages();
