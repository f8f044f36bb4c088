#pragma once

// The picture box of both windows: one JPEG picture from its top-left corner, at
// natural size clipped to the box or stretched keeping its proportions, and nothing
// painted where it does not reach, so the window's background shows. Pixels are
// decoded at the first paint and kept; a fault then goes to the error box, once.

#include "pictures/JpegPicture.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <optional>
#include <string_view>

class PictureBox : public QWidget {
public:
    enum class Fitting { NaturalSize, Proportional };

    explicit PictureBox(QWidget* parent, Fitting fitting = Fitting::NaturalSize);

    // A JPEG picture built into the program (":/pictures/tester.jpg", or any path a
    // QFile reads). It is read and decoded at the first paint, so that creating the
    // windows stays quick.
    void setBuiltInPicture(const QString& resourcePath);

    // Loads a scheme file by its bare name, relative to the working directory, and
    // shows it from the next paint. Throws ProgramError on failure, leaving the box
    // with the picture it had.
    void LoadFromFile(std::string_view bareName);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void dropPicture();
    void decodeWaitingPicture();
    const QImage& scaledPicture();

    Fitting m_fitting;
    QString m_builtInPath;                // until the first paint reads it
    std::optional<JpegPicture> m_picture; // until the first paint decodes it
    QImage m_decoded;                     // rows that were never decoded are transparent
    QImage m_scaled;                      // m_decoded stretched for the box's present size
};
