#pragma once

// The standings of a quiz: the shown teams ranked by score, for the standings table, the results export
// and the reveal of the final places. Scores are the text the score displays show.

#include "app/Settings.h"

#include <QString>
#include <QVector>

namespace brimley::Standings {

// A shown team as its cell has it.
struct Entry
{
    TeamId team = 0;
    QString name;
    QString score;
};

// A team's place. Rank 1 is the highest score; teams with equal scores share a rank and the ranks after
// them skip as many places (9, 7, 7, 3 are ranked 1, 2, 2, 4). A team without a score has rank 0.
struct Place
{
    Entry entry;
    int rank = 0;
};

// Whether a display's text is a score: a plain whole number, ASCII digits only ("007" is 7). A cleared
// display ("-1") has none, nor has any other text a caption might hold ("+5", " 7", "").
bool isScore(const QString& score);

// The teams, given in cell order, ranked: highest score first, equal scores in cell order, then the
// teams without a score in cell order.
QVector<Place> ranked(const QVector<Entry>& cells);

} // namespace brimley::Standings
