// Ranking the shown teams by score.

#include "scoreboard/Standings.h"

#include <algorithm>

namespace brimley::Standings {
namespace {

// Scores are compared as digit strings, by length once leading zeros are gone and then digit by digit:
// exact for any length, with no conversion that a long caption could overflow.
QStringView significant(QStringView digits)
{
    while (digits.size() > 1 && digits.front() == u'0')
        digits = digits.mid(1);
    return digits;
}

int compareScores(QStringView a, QStringView b)
{
    a = significant(a);
    b = significant(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

bool isScore(const QString& score)
{
    return !score.isEmpty() &&
           std::all_of(score.begin(), score.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

QVector<Place> ranked(const QVector<Entry>& cells)
{
    struct Ranking
    {
        Place place;
        bool scored;
    };
    std::vector<Ranking> rankings;
    rankings.reserve(cells.size());
    for (const Entry& entry : cells)
        rankings.push_back({Place{entry, 0}, isScore(entry.score)});
    // Stable, so that equal scores, and the teams without a score, keep their cell order.
    std::stable_sort(rankings.begin(), rankings.end(), [](const Ranking& a, const Ranking& b) {
        if (a.scored != b.scored)
            return a.scored;
        return a.scored && compareScores(a.place.entry.score, b.place.entry.score) > 0;
    });

    QVector<Place> places;
    places.reserve(cells.size());
    for (std::size_t i = 0; i < rankings.size(); ++i) {
        Place& place = rankings[i].place;
        if (rankings[i].scored) {
            const bool tied = i > 0 && compareScores(place.entry.score, places.back().entry.score) == 0;
            place.rank = tied ? places.back().rank : static_cast<int>(i + 1);
        }
        places.append(std::move(place));
    }
    return places;
}

} // namespace brimley::Standings
