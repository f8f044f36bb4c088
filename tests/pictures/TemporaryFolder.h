#pragma once

// For the picture tests: each test runs in a fresh, empty working directory of its
// own, since scheme files are named relative to it.

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

class TemporaryFolder : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The path of a file in the folder, for writing fixtures.
    QString pathOf(const QString& name) const;
    // The folder as the program sees it, for the full paths of messages.
    std::string workingDirectory() const;

private:
    QTemporaryDir m_folder;
    QString m_previousDirectory;
};
