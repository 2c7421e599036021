#pragma once

// Files shipped with the program (the help document, the sample picture) lie next to its executable.

#include <QString>

namespace brimley::ProgramDirectory {

// The folder that holds the program's executable.
QString path();

// A file of that folder, joined with the platform's separator.
QString file(const QString& name);

} // namespace brimley::ProgramDirectory
