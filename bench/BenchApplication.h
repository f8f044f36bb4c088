#pragma once

// The application object of the benchmark programs: made as the program makes it
// (arithmetic mode, the Windows style), on Qt's offscreen platform unless the
// environment names another.

#include <QApplication>

class BenchApplication : public QApplication {
public:
    BenchApplication(int& argc, char** argv);
};
