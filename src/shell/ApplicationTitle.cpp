#include "shell/ApplicationTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

QString TitleFromProgramPath(const QString& programPath)
{
    QString name = QFileInfo(programPath).fileName();
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    if (name.isEmpty())
        return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

QString ApplicationTitle()
{
    return TitleFromProgramPath(QCoreApplication::applicationFilePath());
}
