// Writing rows as CSV, and the two exports built on it.

#include "scoreboard/CsvExport.h"

namespace brimley::CsvExport {
namespace {

bool needsQuotes(const QString& field)
{
    for (const QChar c : field) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    // White space at either end is part of the field, but some readers (spreadsheet imports with
    // trimming on, many scripting libraries) strip it from unquoted fields; quoted, it survives them.
    return !field.isEmpty() && (field.front().isSpace() || field.back().isSpace());
}

QString scoreField(const QString& score)
{
    return score == QStringLiteral("-1") ? QString() : score;
}

} // namespace

QByteArray csv(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        // A record of one empty field would be an empty line, which readers skip.
        if (row.size() == 1 && row.front().isEmpty()) {
            text += QStringLiteral("\"\"\r\n");
            continue;
        }
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += u',';
            if (needsQuotes(row[i]))
                text += u'"' + QString(row[i]).replace(u'"', QStringLiteral("\"\"")) + u'"';
            else
                text += row[i];
        }
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

QByteArray resultsCsv(const QVector<Standings::Place>& standings)
{
    QList<QStringList> rows{{QStringLiteral("Rank"), QStringLiteral("Team"), QStringLiteral("Score")}};
    for (const Standings::Place& place : standings) {
        const bool scored = place.rank > 0;
        rows.append({scored ? QString::number(place.rank) : QString(), place.entry.name,
                     scored ? place.entry.score : QString()});
    }
    return csv(rows);
}

QByteArray scoreLogCsv(const QList<ScoreLogEntry>& log)
{
    QList<QStringList> rows{{QStringLiteral("Time"), QStringLiteral("Team"), QStringLiteral("Old score"),
                             QStringLiteral("New score"), QStringLiteral("Cause")}};
    for (const ScoreLogEntry& entry : log) {
        // The operator reads the times against the clock on the wall: local time, no zone, no fraction.
        const QString time = entry.time.isValid()
                                 ? entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"))
                                 : QString();
        rows.append(
            {time, entry.team, scoreField(entry.before), scoreField(entry.after), causeWord(entry.cause)});
    }
    return csv(rows);
}

} // namespace brimley::CsvExport
