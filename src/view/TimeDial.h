#pragma once

// The time dial of the trial window: a pie of slices, one per point, in the order
// they were added, counterclockwise from 3 o'clock, on a button-face panel. Clear
// and Add only ask for a new drawing, so the requests of one tick make one drawing
// at the next paint; a paint with nothing new copies the kept picture again.

#include "view/DialPoint.h"

#include <QImage>
#include <QWidget>

#include <string_view>
#include <vector>

class TimeDial : public QWidget {
    Q_OBJECT
public:
    explicit TimeDial(QWidget* parent = nullptr);

    void Clear();
    // Appends a point after the others and returns its index, counted from 0.
    int Add(double value, std::string_view label, TColor colour);

    const std::vector<DialPoint>& points() const { return m_points; }
    // The last drawing, and how many drawings have been made.
    const QImage& picture() const { return m_picture; }
    int drawingCount() const { return m_drawingCount; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void requestDrawing();

    std::vector<DialPoint> m_points;
    QImage m_picture;
    bool m_drawingRequested = true;
    int m_drawingCount = 0;
};
