#pragma once

// Both windows in a scratch working directory that holds the three scheme pictures.
// The trial window's timer is stopped so that a test drives the ticks itself.

#include "BothWindows.h"
#include "shell/TrialState.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class TrialFixture : public testing::Test, protected BothWindows {
protected:
    TrialFixture();
    ~TrialFixture() override;

    // Writes a plain picture of this size under the scheme file's name.
    void writeScheme(const char* fileName, QSize size, QColor colour);
    void removeScheme(const char* fileName);

    void chooseMaterial(int number);
    void startLoading();
    // Runs ticks directly, as the timer would.
    void tickTo(int tickCount);

    QTemporaryDir schemes;

private:
    QString m_previousDirectory;
};
