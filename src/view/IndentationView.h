#pragma once

// The indentation view of the trial window: a 450 × 300 picture of the indentation
// as a black circle on a white field in a black frame, made of the growth frame, the
// magnified view or the grid view. Each drawing replaces the whole picture and is
// shown at the next paint; the view keeps nothing but its pixels.

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>

class Canvas;

class IndentationView : public QWidget {
    Q_OBJECT
public:
    explicit IndentationView(QWidget* parent = nullptr);

    // The circle of this radius in pixels about (220, 150), at 10 pixels per
    // millimetre of the indentation's diameter.
    void drawGrowthFrame(std::int64_t radius);
    // The indentation of this diameter (mm) at 20 pixels of radius per millimetre.
    void drawMagnifiedView(double indentDiameter);
    // The magnified view under a grid of 10-pixel squares.
    void drawGridView(double indentDiameter);

    // The picture drawn so far; there is none before the first drawing.
    bool hasSurface() const { return !m_surface.isNull(); }
    const QImage& surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Clears the surface to the white field in its frame, made at the first drawing,
    // runs the drawing steps on it, which paint only inside figureArea, and asks for
    // the pixels that changed to be shown.
    void draw(const QRect& figureArea, const std::function<void(Canvas&)>& steps);

    QImage m_surface;
    // Where the last drawing's figures lie; elsewhere the surface is the bare field.
    QRect m_figureArea;
};
