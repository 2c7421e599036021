// The recovery file: one header line, then the recovery as a JSON object. The header names the format and
// its version, so that neither another file nor a later program's file is taken for one, and holds the
// SHA-256 of the JSON: damage inside a score ("12" turned into "13") leaves valid JSON, and unlike the names
// and the path, which must match the team list, a score has nothing else to be checked against.
// Everything the JSON holds is checked as well, since a file can be written by hand, hash and all.

#include "scoreboard/ScoreRecovery.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace brimley::ScoreRecovery {
namespace {

const QByteArray FormatName = QByteArrayLiteral("Brimley score recovery");
constexpr int Version = 1;

QByteArray header(const QByteArray& json)
{
    return FormatName + ' ' + QByteArray::number(Version) + ' ' +
           QCryptographicHash::hash(json, QCryptographicHash::Sha256).toHex();
}

// A full team list of 32767 teams with names and picture paths of a few hundred characters stays below
// this; a file any larger is not a recovery, and reading it whole could exhaust memory.
constexpr qint64 MaximumFileSize = 16 * 1024 * 1024;

std::optional<int> wholeNumber(const QJsonValue& value, int minimum, int maximum)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!(number >= minimum && number <= maximum) || number != std::floor(number))
        return std::nullopt;
    return static_cast<int>(number);
}

// A display only ever shows a whole number from -1 up, written as QString::number writes it; anything
// else was not written by this program and must not reach a display.
bool isDisplayText(const QString& score)
{
    bool ok = false;
    const int value = score.toInt(&ok);
    return ok && value >= -1 && QString::number(value) == score;
}

std::optional<TeamScore> teamScore(const QJsonValue& value, int previousIndex)
{
    const QJsonObject team = value.toObject();
    const std::optional<int> index =
        wholeNumber(team.value(QStringLiteral("index")), previousIndex + 1, MaximumTeams - 1);
    const QJsonValue name = team.value(QStringLiteral("name"));
    const QJsonValue picture = team.value(QStringLiteral("picture"));
    const QJsonValue score = team.value(QStringLiteral("score"));
    if (!index || !name.isString() || !picture.isString() || !score.isString() ||
        !isDisplayText(score.toString()))
        return std::nullopt;
    return TeamScore{*index, name.toString(), picture.toString(), score.toString()};
}

} // namespace

bool operator==(const TeamScore& a, const TeamScore& b)
{
    return a.index == b.index && a.name == b.name && a.picture == b.picture && a.score == b.score;
}

bool operator==(const Recovery& a, const Recovery& b)
{
    return a.currentFile == b.currentFile && a.written == b.written && a.teams == b.teams;
}

Recovery capture(const QString& currentFile, const QVector<Team>& teams, const ScoreBook& scores,
                 const QDateTime& now)
{
    Recovery recovery{currentFile, now, {}};
    for (int i = 0; i < teams.size(); ++i) {
        const Team& team = teams[i];
        if (team.TeamShown == FlagTrue)
            recovery.teams.append({i, team.TeamName, team.TeamPicture, scores.scoreOf(team.Identity)});
    }
    return recovery;
}

bool matches(const Recovery& recovery, const QString& currentFile, const QVector<Team>& teams)
{
    const QVector<TeamScore> shown = capture(currentFile, teams, ScoreBook(), {}).teams;
    return recovery.currentFile == currentFile &&
           std::equal(recovery.teams.cbegin(), recovery.teams.cend(), shown.cbegin(), shown.cend(),
                      [](const TeamScore& a, const TeamScore& b) {
                          return a.index == b.index && a.name == b.name && a.picture == b.picture;
                      });
}

bool hasScores(const Recovery& recovery)
{
    return std::any_of(recovery.teams.cbegin(), recovery.teams.cend(),
                       [](const TeamScore& team) { return team.score != ScoreBook::startingScore(); });
}

QList<std::pair<TeamId, QString>> scoresOf(const Recovery& recovery, const QVector<Team>& teams)
{
    QList<std::pair<TeamId, QString>> scores;
    for (const TeamScore& team : recovery.teams) {
        if (team.index >= 0 && team.index < teams.size())
            scores.append({teams[team.index].Identity, team.score});
    }
    return scores;
}

QByteArray bytes(const Recovery& recovery)
{
    QJsonArray teams;
    for (const TeamScore& team : recovery.teams) {
        teams.append(QJsonObject{{QStringLiteral("index"), team.index},
                                 {QStringLiteral("name"), team.name},
                                 {QStringLiteral("picture"), team.picture},
                                 {QStringLiteral("score"), team.score}});
    }
    // In UTC with milliseconds: the moment itself, whatever the time zone at the next start.
    const QString written =
        recovery.written.isValid() ? recovery.written.toUTC().toString(Qt::ISODateWithMs) : QString();
    const QJsonObject root{{QStringLiteral("file"), recovery.currentFile},
                           {QStringLiteral("written"), written},
                           {QStringLiteral("teams"), teams}};
    const QByteArray json = QJsonDocument(root).toJson(QJsonDocument::Compact);
    return header(json) + '\n' + json;
}

std::optional<Recovery> read(const QByteArray& bytes)
{
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (bytes.size() > MaximumFileSize || lineEnd < 0)
        return std::nullopt;
    const QByteArray json = bytes.mid(lineEnd + 1);
    if (bytes.left(lineEnd) != header(json))
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    const QJsonValue file = root.value(QStringLiteral("file"));
    const QJsonValue written = root.value(QStringLiteral("written"));
    const QJsonValue teams = root.value(QStringLiteral("teams"));
    if (!file.isString() || !written.isString() || !teams.isArray())
        return std::nullopt;

    Recovery recovery{file.toString(), {}, {}};
    if (!written.toString().isEmpty()) {
        recovery.written = QDateTime::fromString(written.toString(), Qt::ISODateWithMs);
        if (!recovery.written.isValid())
            return std::nullopt;
    }
    // Rows rise strictly, as cells follow the team list, so there are never more teams than rows.
    int previousIndex = -1;
    for (const QJsonValue& value : teams.toArray()) {
        const std::optional<TeamScore> team = teamScore(value, previousIndex);
        if (!team)
            return std::nullopt;
        recovery.teams.append(*team);
        previousIndex = team->index;
    }
    return recovery;
}

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery.scores");
}

SafeFile::Result save(const Recovery& recovery, const QString& path)
{
    // The first save of a user makes the program's data folder. Left to the write, a folder that cannot
    // be made would be reported as "No such file or directory", which sends the operator looking for a file.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {false, QStringLiteral("The folder %1 cannot be made.").arg(QDir::toNativeSeparators(folder))};
    const QByteArray content = bytes(recovery);
    // Written, a file that load() refuses would replace a good one and fail only at the next start.
    if (content.size() > MaximumFileSize)
        return {false, QStringLiteral("The scores are too many to be kept for recovery.")};
    return SafeFile::write(path, content);
}

std::optional<Recovery> load(const QString& path)
{
    const SafeFile::ReadResult file = SafeFile::read(path, MaximumFileSize);
    if (!file)
        return std::nullopt;
    return read(file.bytes);
}

void discard(const QString& path)
{
    QFile::remove(path);
}

} // namespace brimley::ScoreRecovery
