#pragma once

// The exports a spreadsheet opens: the results of a quiz and the log of its score changes, as CSV
// (RFC 4180) in UTF-8 without a byte-order mark, every record ended by CR LF, the last one included.

#include "scoreboard/ScoreLog.h"
#include "scoreboard/Standings.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace brimley::CsvExport {

// The rows as CSV. A field is quoted when it holds a comma, a double quote, CR or LF, or when it begins
// or ends with white space; a double quote inside is doubled.
QByteArray csv(const QList<QStringList>& rows);

// "Rank,Team,Score", then one row per team in standings order; a team without a score has neither rank
// nor score.
QByteArray resultsCsv(const QVector<Standings::Place>& standings);

// "Time,Team,Old score,New score,Cause", then one row per change: the local time to the second in ISO
// 8601 (2026-12-07T20:15:03), a cleared display as an empty score, the cause as a word ("typed", "undo",
// "redo", "new game", "restored").
QByteArray scoreLogCsv(const QList<ScoreLogEntry>& log);

} // namespace brimley::CsvExport
