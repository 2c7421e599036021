#pragma once

// The recovery file, which lets the scores of a run survive a crash or a power cut: written whenever a
// score changes, it holds the set-up the scores belong to (the scoreboard file and its shown teams) and
// each shown team's score. At the next start, if the set-up is still the same, the scores come back.
//
// Teams are known across runs by their place in the team list, name and picture: their run-time
// identities are never saved.

#include "app/Settings.h"
#include "platform/SafeFile.h"
#include "scoreboard/ScoreBook.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>
#include <optional>

namespace brimley::ScoreRecovery {

struct TeamScore
{
    int index = 0; // the team's row in the team list
    QString name;
    QString picture;
    QString score; // the display's text: a whole number, "-1" for a cleared display
};

struct Recovery
{
    QString currentFile; // empty when no scoreboard file was open
    QDateTime written;
    QVector<TeamScore> teams; // the shown teams, in cell order
};

bool operator==(const TeamScore& a, const TeamScore& b);
bool operator==(const Recovery& a, const Recovery& b);

// The scores of the shown teams as they stand.
Recovery capture(const QString& currentFile, const QVector<Team>& teams, const ScoreBook& scores,
                 const QDateTime& now);

// Whether the recovery was written for this set-up: the same file, and the same shown teams at the same
// rows with the same names and pictures.
bool matches(const Recovery& recovery, const QString& currentFile, const QVector<Team>& teams);

// Whether any team got past the starting score: a game that never did has nothing to give back.
bool hasScores(const Recovery& recovery);
// Each team of the recovery with its score, found by its row; call it only when matches() holds.
QList<std::pair<TeamId, QString>> scoresOf(const Recovery& recovery, const QVector<Team>& teams);

// The file's content, and back. Reading gives nothing for anything but what bytes() writes: damaged,
// cut short, of another version, or merely similar.
QByteArray bytes(const Recovery& recovery);
std::optional<Recovery> read(const QByteArray& bytes);

// Where the program keeps its recovery file.
QString defaultPath();

// Writes the file, making its folder if needed; an interrupted save leaves the previous file whole.
SafeFile::Result save(const Recovery& recovery, const QString& path);
// Nothing when the file is missing, unreadable, not an ordinary file, too large or damaged.
std::optional<Recovery> load(const QString& path);
// Removes the file: the operator declined its scores. (Restored, they are written again at the next
// change; a run that ends normally keeps the file, and offers it again only for the same set-up.)
void discard(const QString& path);

} // namespace brimley::ScoreRecovery
