#pragma once

// The material table of the setup window, 564 × 654: a title row and two header
// rows over the 21 material rows, with a light-green cell for each of the 26
// catalogue entries and red cells for the combinations the catalogue lacks.

#include <QImage>

QImage MaterialTablePicture();
