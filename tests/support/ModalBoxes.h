#pragma once

// For widget tests: answers every modal box that opens while a piece of code runs
// and the events after it are handled, remembering what each box said.

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

struct SeenBox {
    QString caption;
    QString text;
    bool hasStopIcon = false;
    QSize size;
};

// Runs the code, then handles events for settleMs; every modal box that opens is
// recorded and closed with its default button.
std::vector<SeenBox> AnswerModalBoxes(const std::function<void()>& code, int settleMs = 50);
