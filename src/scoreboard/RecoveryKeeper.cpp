#include "scoreboard/RecoveryKeeper.h"

#include "app/Settings.h"
#include "scoreboard/Game.h"
#include "scoreboard/ScoreRecovery.h"

#include <QCoreApplication>
#include <QPointer>

namespace brimley {
namespace {

QPointer<RecoveryKeeper>& keeper()
{
    static QPointer<RecoveryKeeper> theKeeper;
    return theKeeper;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(const QString& path, QObject* parent) : QObject(parent), filePath(path)
{
    connect(&Game::instance(), &Game::stepTaken, this, &RecoveryKeeper::write);
}

void RecoveryKeeper::start(const QString& path)
{
    if (!keeper())
        keeper() = new RecoveryKeeper(path, qApp);
}

RecoveryKeeper* RecoveryKeeper::instance()
{
    return keeper();
}

void RecoveryKeeper::write()
{
    const Settings& settings = model();
    const ScoreRecovery::Recovery recovery = ScoreRecovery::capture(
        settings.CurrentFile, settings.Teams, Game::instance().book(), QDateTime::currentDateTime());
    const SafeFile::Result saved = ScoreRecovery::save(recovery, filePath);
    const QString problem = saved ? QString() : saved.reason;
    // Told once, not at every key; and again only if it changes.
    if (problem != failure) {
        failure = problem;
        emit problemChanged(failure);
    }
}

} // namespace brimley
