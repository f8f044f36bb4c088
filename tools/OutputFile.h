#pragma once

// Writes the bytes of one generated picture to its file, replacing what was there.
// It knows nothing of picture formats; the encoders hand it finished bytes.

#include <QByteArray>
#include <QString>

void WriteOutputFile(const QString& path, const QByteArray& bytes);
