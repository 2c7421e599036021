#include "options/FileCommands.h"

#include "app/Settings.h"
#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
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

std::optional<QString> chooseSavePath(QWidget* parent)
{
    const QString filter = QLatin1String(SaveFilter);
    if (auto* window = qobject_cast<frmOptions*>(parent))
        return window->showSaveDialog(filter);
    return Dialogs::saveFile(parent, filter, QString());
}

} // namespace

QString caption(const QString& currentFile)
{
    return currentFile.isEmpty() ? QStringLiteral("Brimley") : QStringLiteral("Brimley - ") + currentFile;
}

bool askToSave(QWidget* parent, SavePrompt prompt)
{
    if (optionsState().FileChanged != FlagTrue)
        return true;
    switch (Dialogs::ask(parent, SaveChangesTitle, savePromptText(prompt), Dialogs::Buttons::YesNoCancel,
                         Dialogs::Icon::Question)) {
    case Dialogs::Answer::Yes:
        return SaveFileAs(parent, false);
    case Dialogs::Answer::No:
        return true;
    case Dialogs::Answer::Cancel:
        break;
    }
    return false;
}

bool SaveFileAs(QWidget* parent, bool SaveAsPrompt)
{
    Settings& settings = model();
    QString path = settings.CurrentFile;
    if (path.isEmpty() || SaveAsPrompt) {
        const std::optional<QString> chosen = chooseSavePath(parent);
        if (!chosen || chosen->isEmpty())
            return false;
        if (QFileInfo::exists(*chosen)) {
            Dialogs::beep();
            const auto answer = Dialogs::ask(parent, QStringLiteral("Overwrite file?"),
                                             QStringLiteral("Are you sure you want to save over this file?") +
                                                 LineBreak + *chosen,
                                             Dialogs::Buttons::YesNo, Dialogs::Icon::Question);
            if (answer != Dialogs::Answer::Yes)
                return false;
        }
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
    if (auto* window = qobject_cast<frmOptions*>(parent))
        window->setWindowTitle(caption(path));
    return true;
}

void New(frmOptions& window)
{
    if (!askToSave(&window, SavePrompt::NewOrOpen))
        return;
    model().CurrentFile.clear();
    window.setWindowTitle(caption(QString()));
    SetDefaults();
    window.VarsToOptions();
    window.UpdatePreview();
}

void Open(frmOptions& window)
{
    if (!askToSave(&window, SavePrompt::NewOrOpen))
        return;
    // Only existing files can be chosen: a name typed by mistake is refused by the dialog itself rather
    // than ignored without a word.
    const std::optional<QString> path = window.showOpenDialog(QLatin1String(OpenFilter), true);
    if (!path || path->isEmpty() || !QFileInfo::exists(*path))
        return;
    OpenPath(window, *path);
}

bool OpenPath(frmOptions& window, const QString& path)
{
    // Read into a fresh model first: a file that cannot be read leaves everything as it was.
    const ScoreboardFile::OpenResult opened = ScoreboardFile::OpenFile(path);
    if (!opened) {
        Dialogs::tell(&window, QStringLiteral("Open"),
                      QStringLiteral("The file could not be opened") + LineBreak + path + LineBreak +
                          opened.reason + LineBreak + QStringLiteral("Nothing has been changed."));
        return false;
    }
    window.setWindowTitle(caption(model().CurrentFile));
    window.VarsToOptions();
    window.UpdatePreview();
    if (opened.teamsLeftOut > 0) {
        Dialogs::tell(&window, QStringLiteral("Open"),
                      QStringLiteral("The file holds more teams than the team list can: only the first %1 "
                                     "teams were opened, and %2 were left out.")
                              .arg(ScoreboardFile::MaximumTeams)
                              .arg(opened.teamsLeftOut) +
                          LineBreak + QStringLiteral("Saving over the file would leave them out of it."));
    }
    return true;
}

} // namespace brimley::FileCommands
