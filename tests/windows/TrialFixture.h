#pragma once

// Both windows made afresh for each test, in a scratch working directory that holds
// the three scheme pictures, with the trial state back at its start. The trial
// window's timer is stopped so that a test drives the ticks itself.

#include "shell/TrialState.h"
#include "windows/Unit1.h"
#include "windows/Unit2.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

class TrialFixture : public testing::Test {
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

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    QTemporaryDir schemes;

private:
    QString m_previousDirectory;
};
