#pragma once

// The file commands of the options window and the question that guards unsaved changes. They work on
// the model and the options window's flags, and on the window they serve through the small interface
// below: its file dialogs (the options window's start at the path chosen last while it is open), its
// caption and its controls. Another window that asks, such as the scoreboard closing as the last
// window, gets plain dialogs.

#include <QString>

#include <optional>

class QWidget;

namespace brimley {

// What the file commands need of the window they run in.
class FileCommandsWindow
{
public:
    virtual ~FileCommandsWindow() = default;

    // The window that owns the questions and dialogs.
    virtual QWidget* dialogParent() = 0;
    // The window's Open and Save dialogs, with the filter given; nothing when cancelled.
    virtual std::optional<QString> chooseFileToOpen(const QString& filter) = 0;
    virtual std::optional<QString> chooseFileToSave(const QString& filter) = 0;
    // The model's open file has changed: the window names it (in its caption).
    virtual void showOpenFile(const QString& currentFile) = 0;
    // The whole model has been replaced (New, Open): the window shows it again.
    virtual void showModel() = 0;
};

namespace FileCommands {

// The file dialogs' filters. The Open filter's description begins with a blank, as it always has.
inline constexpr char OpenFilter[] = " Brimley File *.brm|*.brm";
inline constexpr char SaveFilter[] = "Brimley File *.brm|*.brm";

// The options window's caption: "Brimley - " and the open file's full path, or "Brimley" with none open.
QString caption(const QString& currentFile);

// Which command asks whether to save: each has its own text.
enum class SavePrompt { NewOrOpen, GoToScoreboard, Closing };

// The save prompt. Without unsaved changes it asks nothing. Yes saves as Save does; No goes on without
// saving; Cancel, closing the box, or a save that did not happen (dialog cancelled, overwrite refused,
// write failed) stops the command. Returns whether the command may go on.
bool askToSave(FileCommandsWindow& window, SavePrompt prompt);
// The same from a window without file commands of its own, with plain dialogs.
bool askToSave(QWidget* parent, SavePrompt prompt);

// Before a file is replaced: when a file of that path exists, sounds the beep and asks the overwrite
// question. Returns whether the file may be written.
bool mayReplace(QWidget* parent, const QString& path);

// Saves the model. With a file open and no prompt wanted, to that file; otherwise to a path chosen in the
// save dialog, asking (after a beep) before replacing an existing file. A failed write is told to the
// operator and changes nothing: the open file, the caption and the unsaved changes stay as they were.
// Returns whether the file was written.
bool SaveFileAs(FileCommandsWindow& window, bool SaveAsPrompt);

// File, New: after the save prompt, no file is open and the settings are the defaults.
void New(FileCommandsWindow& window);

// File, Open: after the save prompt, the chosen file's settings and teams replace the current ones. A
// path that names no file is ignored; a file that cannot be read is told to the operator and changes
// nothing.
void Open(FileCommandsWindow& window);

// The part of File, Open after its dialog, for a file chosen elsewhere (on the command line): the
// file's settings and teams replace the current ones and its path becomes the caption. A file that
// cannot be read, or is missing, is told to the operator and changes nothing. Returns whether the file
// was opened.
bool OpenPath(FileCommandsWindow& window, const QString& path);

} // namespace FileCommands
} // namespace brimley
