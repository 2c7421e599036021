#include "options/ExportCommands.h"

#include "app/Settings.h"
#include "options/FileCommands.h"
#include "platform/Dialogs.h"
#include "platform/SafeFile.h"
#include "scoreboard/CsvExport.h"
#include "scoreboard/Game.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace brimley::ExportCommands {
namespace {

const QString CsvFilter = QStringLiteral("CSV File *.csv|*.csv");

// The folder last exported to holds for the run; the first export starts at the home folder.
QString& lastFolder()
{
    static QString folder = QDir::homePath();
    return folder;
}

// The shown teams in cell order with their scores.
QVector<Standings::Entry> shownTeams()
{
    QVector<Standings::Entry> cells;
    for (const Team& team : model().Teams) {
        if (team.TeamShown == FlagTrue)
            cells.append({team.Identity, team.TeamName, Game::instance().scoreOf(team.Identity)});
    }
    return cells;
}

bool exportFile(QWidget* parent, const QString& suggestedName, const QString& what, const QByteArray& bytes)
{
    const auto chosen = Dialogs::saveFile(parent, CsvFilter, QDir(lastFolder()).filePath(suggestedName));
    if (!chosen || chosen->isEmpty())
        return false;
    // A name typed without an extension gets the one a spreadsheet program looks for.
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    lastFolder() = QFileInfo(path).absolutePath();
    if (!FileCommands::mayReplace(parent, path))
        return false;
    const SafeFile::Result written = SafeFile::write(path, bytes);
    if (!written) {
        Dialogs::tell(
            parent, QStringLiteral("Export"),
            QStringLiteral("The %1 could not be saved to the file\r%2\r%3").arg(what, path, written.reason));
        return false;
    }
    return true;
}

} // namespace

bool exportResults(QWidget* parent)
{
    return exportFile(parent, QStringLiteral("results.csv"), QStringLiteral("results"),
                      CsvExport::resultsCsv(Standings::ranked(shownTeams())));
}

bool exportScoreLog(QWidget* parent)
{
    return exportFile(parent, QStringLiteral("score log.csv"), QStringLiteral("score log"),
                      CsvExport::scoreLogCsv(Game::instance().log()));
}

void addTo(QMenu* file, QAction* before, QWidget* window)
{
    auto* results = new QAction(QStringLiteral("Export &Results…"), file);
    results->setObjectName(QStringLiteral("mnuFileExportResults"));
    QObject::connect(results, &QAction::triggered, window, [window] { exportResults(window); });
    auto* log = new QAction(QStringLiteral("Export Score &Log…"), file);
    log->setObjectName(QStringLiteral("mnuFileExportLog"));
    QObject::connect(log, &QAction::triggered, window, [window] { exportScoreLog(window); });
    file->insertActions(before, {results, log});
}

} // namespace brimley::ExportCommands
