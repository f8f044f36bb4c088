#pragma once

// The loading scheme of the trial window, 870 × 232: the indenter on the specimen,
// the two levers, the cam with its electric drive and switch, and the weights. One
// drawing serves the initial scheme and the three scheme files of a trial.

#include "SchemeState.h"

#include <QImage>
#include <array>

QImage LoadingScheme(const SchemeState& state);

// The scheme before START: switch open, cam at rest, ball resting on the specimen.
SchemeState InitialScheme();

struct SchemeFile {
    QString fileName;
    SchemeState state;
};

// "схема-1.jpg" loading, "схема-2.jpg" holding under full load, "схема-3.jpg" unloaded.
std::array<SchemeFile, 3> SchemeFiles();
