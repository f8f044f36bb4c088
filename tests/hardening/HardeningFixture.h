#pragma once

// The trial fixture with what the hardening tests look at and put in place: the START
// click, the plain colour the scheme picture shows, and a scheme file's full path and
// bytes, read or written whole. It drives no ticks of its own.

#include "TrialFixture.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class HardeningFixture : public TrialFixture {
protected:
    void clickStart();

    // The fixture's scheme pictures are plain red, green and blue; this gives which of
    // them the scheme box shows near its top, where a picture cut off in its data still
    // shows, and any other colour, such as the window's background, as it is.
    QColor schemeColour();

    QString schemePath(const char* fileName) const;
    void writeSchemeBytes(const char* fileName, const QByteArray& bytes);
    QByteArray schemeBytes(const char* fileName) const;
};
