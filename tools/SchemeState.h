#pragma once

// What one loading-scheme picture shows of a trial: how far the drive has turned
// the cam, whether its switch is closed and what has become of the ball and the
// weights. The drawing derives the levers' positions from these.

#include <QString>

enum class DriveSwitch { Open, Closed };

// The ball rests on the specimen, is pressed into it, or has been lifted off the
// indentation it left.
enum class BallPosition { Resting, Pressed, Lifted };

enum class WeightMotion { None, ComingDown, GoingUp };

struct SchemeState {
    double camTurn; // degrees, clockwise from the rest position with the cam's tip up
    DriveSwitch driveSwitch;
    BallPosition ball;
    WeightMotion weights;
    QString caption; // empty for the initial scheme
};
