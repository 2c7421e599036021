#include "platform/ProgramDirectory.h"

#include <QCoreApplication>
#include <QDir>

namespace brimley::ProgramDirectory {

QString path()
{
    return QCoreApplication::applicationDirPath();
}

QString file(const QString& name)
{
    return QDir::toNativeSeparators(QDir(path()).filePath(name));
}

} // namespace brimley::ProgramDirectory
