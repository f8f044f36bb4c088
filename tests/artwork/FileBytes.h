#pragma once

// The whole contents of a file or a resource (":/pictures/…"), read as the program
// reads them; empty when the file cannot be opened.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
