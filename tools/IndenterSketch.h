#pragma once

// The shaded sketch of the indenter over the specimen in the setup window,
// 471 × 683: the beige indenter with its ball above a grey cylindrical specimen
// that bears a small indentation in the middle of its top face.

#include <QImage>

QImage IndenterSketch();
