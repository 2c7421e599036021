#pragma once

// The standings on the audience's board: every shown team with its rank, name and score, highest
// score first, in the board's LED displays and colours. For a reveal the table starts empty and shows
// the teams one by one from last place to first.

#include "app/Settings.h"
#include "scoreboard/Standings.h"

#include <QVector>
#include <QWidget>
#include <cstdint>

class QLabel;

namespace brimley {

class NumberLED;

class StandingsView : public QWidget
{
    Q_OBJECT

public:
    explicit StandingsView(QWidget* parent = nullptr);

    // The colours of the view and its names at once, of its displays from the next setEntries on.
    void setColours(Colour background, Colour lit, Colour ledBackground, Colour text);
    // The table in standings order; the score displays' largest value is `scoreMax`, as on the board.
    void setEntries(const QVector<Standings::Place>& places, std::int16_t scoreMax);
    int count() const { return static_cast<int>(places.size()); }

    // How many teams are shown, counted from last place.
    int shownFromLast() const { return shown; }
    void setShownFromLast(int count);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    // Shows the rows counted from last place, hides the others.
    void showRows();

    QVector<Standings::Place> places;
    std::int16_t scoreMax = 99;
    int shown = 0;
    Colour litColour = 0x0000FF;
    Colour ledBackground = 0;
    QVector<NumberLED*> ranks;
    QVector<QLabel*> names;
    QVector<NumberLED*> scores;
};

} // namespace brimley
