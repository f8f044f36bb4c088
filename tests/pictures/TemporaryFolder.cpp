#include "TemporaryFolder.h"

#include <QDir>

#include <filesystem>

void TemporaryFolder::SetUp()
{
    ASSERT_TRUE(m_folder.isValid());
    m_previousDirectory = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(m_folder.path()));
}

void TemporaryFolder::TearDown()
{
    QDir::setCurrent(m_previousDirectory);
}

QString TemporaryFolder::pathOf(const QString& name) const
{
    return m_folder.filePath(name);
}

std::string TemporaryFolder::workingDirectory() const
{
    return std::filesystem::current_path().string();
}
