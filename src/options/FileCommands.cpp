#include "options/FileCommands.h"

#include "app/Settings.h"
#include "options/ScoreboardFile.h"
#include "platform/Dialogs.h"

#include <QFileInfo>

#include <optional>

namespace brimley::FileCommands {
namespace {

const QString SaveChangesTitle = QStringLiteral("Save Changes?");

QString savePromptText(SavePrompt prompt)
{
    switch (prompt) {
    case SavePrompt::GoToScoreboard:
        return QStringLiteral(
            "Would you like to save changes to the current open file before going to the scoreboard?");
    case SavePrompt::Closing:
        return QStringLiteral("Would you like to save changes to the current open file before closing?");
    case SavePrompt::NewOrOpen:
        break;
    }
    return QStringLiteral("Would you like to save changes to the current open file?");
}

// Message boxes break lines at a lone CR, as the overwrite question always has.
const QChar LineBreak(u'\r');

// A window without file commands of its own: plain dialogs, nothing to show.
class PlainWindow final : public FileCommandsWindow
{
public:
    explicit PlainWindow(QWidget* parent) : window(parent) {}
    QWidget* dialogParent() override { return window; }
    std::optional<QString> chooseFileToOpen(const QString& filter) override
    {
        return Dialogs::openFile(window, filter, QString());
    }
    std::optional<QString> chooseFileToSave(const QString& filter) override
    {
        return Dialogs::saveFile(window, filter, QString());
    }
    void showOpenFile(const QString&) override {}
    void showModel() override {}

private:
    QWidget* window;
};

} // namespace

QString caption(const QString& currentFile)
{
    return currentFile.isEmpty() ? QStringLiteral("Brimley") : QStringLiteral("Brimley - ") + currentFile;
}

bool askToSave(QWidget* parent, SavePrompt prompt)
{
    PlainWindow window(parent);
    return askToSave(window, prompt);
}

bool askToSave(FileCommandsWindow& window, SavePrompt prompt)
{
    if (optionsState().FileChanged != FlagTrue)
        return true;
    switch (Dialogs::ask(window.dialogParent(), SaveChangesTitle, savePromptText(prompt),
                         Dialogs::Buttons::YesNoCancel, Dialogs::Icon::Question)) {
    case Dialogs::Answer::Yes:
        return SaveFileAs(window, false);
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool mayReplace(QWidget* parent, const QString& path)
{
    if (!QFileInfo::exists(path))
        return true;
    Dialogs::beep();
    const auto answer =
        Dialogs::ask(parent, QStringLiteral("Overwrite file?"),
                     QStringLiteral("Are you sure you want to save over this file?") + LineBreak + path,
                     Dialogs::Buttons::YesNo, Dialogs::Icon::Question);
    return answer == Dialogs::Answer::Yes;
}

bool SaveFileAs(FileCommandsWindow& window, bool SaveAsPrompt)
{
    QWidget* parent = window.dialogParent();
    Settings& settings = model();
    QString path = settings.CurrentFile;
    if (path.isEmpty() || SaveAsPrompt) {
        const std::optional<QString> chosen = window.chooseFileToSave(QLatin1String(SaveFilter));
        if (!chosen || chosen->isEmpty())
            return false;
        if (!mayReplace(parent, *chosen))
            return false;
        path = *chosen;
    }

    // The file becomes the open one only once it holds the settings: after a failed Save As, Save must
    // not go on writing to a folder that is missing or read-only without asking for another name.
    const QString previousFile = settings.CurrentFile;
    settings.CurrentFile = path;
    const ScoreboardFile::Result saved = ScoreboardFile::SaveFile();
    if (!saved) {
        settings.CurrentFile = previousFile;
        Dialogs::tell(parent, QStringLiteral("Save"),
                      QStringLiteral("The scoreboard could not be saved to the file") + LineBreak + path +
                          LineBreak + saved.reason + LineBreak +
                          QStringLiteral("Your changes have not been saved."));
        return false;
    }
    window.showOpenFile(path);
    return true;
}

void New(FileCommandsWindow& window)
{
    if (!askToSave(window, SavePrompt::NewOrOpen))
        return;
    model().CurrentFile.clear();
    window.showOpenFile(QString());
    SetDefaults();
    window.showModel();
}

void Open(FileCommandsWindow& window)
{
    if (!askToSave(window, SavePrompt::NewOrOpen))
        return;
    const std::optional<QString> path = window.chooseFileToOpen(QLatin1String(OpenFilter));
    if (!path || path->isEmpty() || !QFileInfo::exists(*path))
        return;
    OpenPath(window, *path);
}

bool OpenPath(FileCommandsWindow& window, const QString& path)
{
    // Read into a fresh model first: a file that cannot be read leaves everything as it was.
    const ScoreboardFile::OpenResult opened = ScoreboardFile::OpenFile(path);
    if (!opened) {
        Dialogs::tell(window.dialogParent(), QStringLiteral("Open"),
                      QStringLiteral("The file could not be opened") + LineBreak + path + LineBreak +
                          opened.reason + LineBreak + QStringLiteral("Nothing has been changed."));
        return false;
    }
    window.showOpenFile(model().CurrentFile);
    window.showModel();
    if (opened.teamsLeftOut > 0) {
        Dialogs::tell(window.dialogParent(), QStringLiteral("Open"),
                      QStringLiteral("The file holds more teams than the team list can: only the first %1 "
                                     "teams were opened, and %2 were left out.")
                              .arg(MaximumTeams)
                              .arg(opened.teamsLeftOut) +
                          LineBreak + QStringLiteral("Saving over the file would leave them out of it."));
    }
    return true;
}

} // namespace brimley::FileCommands
