#pragma once

// Writes an icon file of several images, each 16 colours (4 bits per pixel) from the
// standard 16-colour palette and fully opaque. Every colour of the images must be
// one of those 16.

#include <QImage>
#include <QList>
#include <QString>

void WriteIco(const QList<QImage>& images, const QString& path);
