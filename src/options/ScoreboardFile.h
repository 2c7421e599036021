#pragma once

// The scoreboard file (.brm): every setting except CurrentFile, a separator line, then one line per
// team with its name, picture path and shown flag joined by ESC. Files written by the program end
// every line in CR LF and are in Windows-1252, so that files made by earlier versions read and write
// byte for byte the same. A file is written as UTF-8 instead when it holds a name or path that
// Windows-1252 cannot represent, or one whose Windows-1252 bytes would read back as UTF-8 ("Ã©"
// would come back as "é"): whatever a file holds reads back unchanged.
//
// Saving never destroys the previous file: the new content goes to a temporary file that replaces the
// old one only once it is complete. Opening never half-replaces the model: a file is read into a fresh
// model, which becomes the current one only when the read succeeded.

#include "app/Settings.h"
#include "platform/SafeFile.h"

#include <QByteArray>
#include <QString>

namespace brimley::ScoreboardFile {

// The line between the settings and the team list.
inline constexpr char TeamDataSeparator[] = "---Team Data---";

// How a save or an open ended. On failure `reason` says why, in the system's words ("Permission
// denied", "No such file or directory"), for a message that names the file and the reason.
using Result = SafeFile::Result;

// ---- Writing --------------------------------------------------------------------------------------

// The exact bytes a save writes for the model: settings lines in their fixed order, the separator, one
// line per team in list order, CR LF after every line.
QByteArray fileBytes(const Settings& settings);

// Writes the model to the file at `path`, replacing it only after a complete write. On failure the old
// file, if any, is left as it was.
Result writeFile(const Settings& settings, const QString& path);

// The save of the file commands: writes the model to its CurrentFile (which the caller has set) and, only
// when the write completed, clears FileChanged. A failed save leaves FileChanged as it was, so the
// changes still count as unsaved.
Result SaveFile(const Settings& settings, OptionsWindowState& options);
inline Result SaveFile()
{
    return SaveFile(model(), optionsState());
}

// ---- Reading --------------------------------------------------------------------------------------

// Applies the content of a file to a model that holds the defaults (SetDefaults has run): every key the
// file lacks keeps its default, and the team list stays the single default team unless the file holds
// at least one valid team line. Hand-edited content never fails: lines that cannot be used are skipped.
// Returns how many valid team lines were left out because the list was full.
int readBytes(const QByteArray& bytes, Settings& settings);

// The read of the Open command: reads the file at `path` into a fresh model (the defaults overlaid with
// the file, CurrentFile naming it) and, only when that succeeded, makes it the current model and clears
// FileChanged. On failure nothing changes. It fails when the path is not an ordinary file (a folder, a
// device, a pipe that would keep the program waiting), when the file cannot be opened or read, or when
// it is far too large to be a scoreboard file. `teamsLeftOut` counts the file's teams that did not fit.
struct OpenResult : Result
{
    int teamsLeftOut = 0;
};
OpenResult OpenFile(const QString& path, Settings& settings, OptionsWindowState& options);
inline OpenResult OpenFile(const QString& path)
{
    return OpenFile(path, model(), optionsState());
}

} // namespace brimley::ScoreboardFile
