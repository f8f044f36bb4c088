#pragma once

// A glyph button of the trial window: the classic raised button face with a 2-pixel
// frame and one 89 × 89 glyph centred in it. Pixels of the glyph's bottom-left colour
// are not drawn, so the face shows through them. While the left mouse button is held
// inside it the face is sunken and the glyph moves one pixel right and down. It runs
// its click when the left button is released over it after being pressed on it; it
// never takes the keyboard focus and has no caption, hover, latched or disabled look.

#include <QImage>
#include <QWidget>

class SpeedButton : public QWidget {
    Q_OBJECT
public:
    // The glyph is read from this picture at the first paint.
    SpeedButton(QWidget* parent, const QString& glyphPath);

    bool isSunken() const { return m_pressed && m_pointerInside; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& glyph();

    QString m_glyphPath;
    QImage m_glyph; // with its transparent colour made transparent
    bool m_pressed = false;
    bool m_pointerInside = false;
};
