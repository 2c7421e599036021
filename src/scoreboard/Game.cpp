#include "scoreboard/Game.h"

namespace brimley {

Game& Game::instance()
{
    static Game game;
    return game;
}

template <typename Step> auto Game::asOneStep(Step step)
{
    const qsizetype logged = changes.size();
    const auto result = step();
    if (changes.size() != logged)
        emit stepTaken();
    return result;
}

bool Game::write(TeamId team, const QString& score, ScoreCause cause)
{
    // A team deleted since has no score to change; a hidden one has, and shows it when shown again.
    const Team* listed = findTeam(model().Teams, team);
    if (!listed)
        return false;
    const QString before = scores.scoreOf(team);
    if (before == score)
        return true;
    scores.setScore(team, score);
    changes.append(ScoreLogEntry{QDateTime::currentDateTime(), listed->TeamName, before, score, cause});
    emit scoreChanged(team, before, score, cause);
    return true;
}

void Game::setScore(TeamId team, const QString& score)
{
    asOneStep([&] {
        const QString before = scores.scoreOf(team);
        const bool written = write(team, score, ScoreCause::Typed);
        if (written)
            history.record(team, before, score);
        return written;
    });
}

bool Game::undo()
{
    return asOneStep([this] {
        return history.undo(
            [this](TeamId team, const QString& score) { return write(team, score, ScoreCause::Undo); });
    });
}

bool Game::redo()
{
    return asOneStep([this] {
        return history.redo(
            [this](TeamId team, const QString& score) { return write(team, score, ScoreCause::Redo); });
    });
}

void Game::setScores(const QList<std::pair<TeamId, QString>>& newScores, ScoreCause cause)
{
    asOneStep([&] {
        ScoreHistory::Step step;
        for (const auto& [team, score] : newScores) {
            const QString before = scores.scoreOf(team);
            if (write(team, score, cause))
                step.push_back({team, before, score});
        }
        history.recordStep(std::move(step));
        return true;
    });
}

void Game::newGame(const QVector<Team>& teams)
{
    QList<std::pair<TeamId, QString>> zeroes;
    for (const Team& team : teams)
        zeroes.append({team.Identity, ScoreBook::startingScore()});
    setScores(zeroes, ScoreCause::NewGame);
}

void Game::restore(const QList<std::pair<TeamId, QString>>& restored)
{
    setScores(restored, ScoreCause::Restored);
}

void Game::reset()
{
    scores = ScoreBook();
    history = ScoreHistory();
    changes.clear();
}

} // namespace brimley
