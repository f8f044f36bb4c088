#pragma once

// The caption of the notice box and the error box: the program file's name without
// its folder and without everything from its first "." on, every letter after the
// first in lower case and the first in upper case: "/usr/bin/brinell" and
// "BRINELL.bin" both give "Brinell".

#include <QString>

QString TitleFromProgramPath(const QString& programPath);

// The title of the running program.
QString ApplicationTitle();
