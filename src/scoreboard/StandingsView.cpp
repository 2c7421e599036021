#include "scoreboard/StandingsView.h"

#include "app/Colours.h"
#include "app/Numbers.h"
#include "led/NumberLED.h"
#include "platform/CachedLabel.h"
#include "scoreboard/NameFit.h"
#include "scoreboard/StandingsLayout.h"
#include "scoreboard/modCenterObjects.h"

#include <QLabel>

#include <algorithm>

namespace brimley {

StandingsView::StandingsView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picStandings"));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void StandingsView::setColours(Colour background, Colour lit, Colour ledBack, Colour text)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(background));
    colours.setColor(QPalette::WindowText, toQColor(text));
    setPalette(colours);
    litColour = lit;
    ledBackground = ledBack;
}

void StandingsView::setEntries(const QVector<Standings::Place>& standings, std::int16_t largestScore)
{
    places = standings;
    scoreMax = largestScore;
    shown = std::clamp(shown, 0, count());
    // One display and one name per team, made or removed as the number of teams asks.
    while (ranks.size() < places.size()) {
        auto* rank = new NumberLED(this);
        rank->setObjectName(QStringLiteral("nledRank"));
        auto* name = new CachedLabel(this);
        name->setObjectName(QStringLiteral("lblStandingsName"));
        name->setTextFormat(Qt::PlainText);
        name->setFont(QFont(QStringLiteral("Arial")));
        name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        auto* score = new NumberLED(this);
        score->setObjectName(QStringLiteral("nledStandingsScore"));
        for (QWidget* part : std::initializer_list<QWidget*>{rank, name, score}) {
            part->setFocusPolicy(Qt::NoFocus);
            part->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        ranks.append(rank);
        names.append(name);
        scores.append(score);
    }
    while (ranks.size() > places.size()) {
        delete ranks.takeLast();
        delete names.takeLast();
        delete scores.takeLast();
    }
    layOut();
}

void StandingsView::setShownFromLast(int count)
{
    shown = std::clamp(count, 0, this->count());
    showRows();
}

void StandingsView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Hidden, the view is laid out when it is next filled and shown.
    if (!isHidden())
        layOut();
}

void StandingsView::showRows()
{
    const int teams = count();
    for (int i = 0; i < teams; ++i) {
        const bool visible = i >= teams - shown;
        for (QWidget* part : std::initializer_list<QWidget*>{ranks[i], names[i], scores[i]})
            part->setVisible(visible);
    }
}

void StandingsView::layOut()
{
    const int teams = count();
    // The ranks as wide as the number of teams.
    const std::int16_t rankMax = scoreDisplayMax(saturate16(LedGeometry::digitCount(saturate16(teams))));
    const StandingsLayout::Table table = StandingsLayout::layout(teams, size(), rankMax, scoreMax);
    if (static_cast<int>(table.rows.size()) != teams)
        return;
    const NameFit fitting(QFont(QStringLiteral("Arial")), table.namePixelSize);
    for (int i = 0; i < teams; ++i) {
        const Standings::Place& place = places[i];
        const StandingsLayout::Row& row = table.rows[static_cast<std::size_t>(i)];
        ranks[i]->setLayoutProperties(table.rankDisplay);
        ranks[i]->setCaption(place.rank > 0 ? QString::number(place.rank) : QStringLiteral("-1"));
        ranks[i]->move(row.rank.topLeft());
        scores[i]->setLayoutProperties(table.scoreDisplay);
        scores[i]->setCaption(place.entry.score);
        scores[i]->move(row.score.topLeft());
        for (NumberLED* display : {ranks[i], scores[i]}) {
            display->setLitColor(litColour);
            display->setLedBackColor(ledBackground);
        }
        const NameFit::FittedName fitted = fitting.fit(place.entry.name, row.name.width());
        QFont font = names[i]->font();
        font.setPixelSize(fitted.pixelSize);
        names[i]->setFont(font);
        names[i]->setText(fitted.text);
        names[i]->setGeometry(row.name);
    }
    showRows();
}

} // namespace brimley
