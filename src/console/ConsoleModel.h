#pragma once

// What the operator's console shows, without a widget: the board's teams in cell order with their
// scores, which team the keys go to (the selected team), the entry being typed and the latest score
// changes. The selection follows its team when the board is rebuilt; when the team leaves the board,
// the cell that took its place is selected.

#include "app/Settings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

namespace brimley {

class ConsoleModel
{
public:
    struct Row
    {
        TeamId team = 0;
        QString name;
        QString score; // as the audience sees it: blank for a cleared display
    };

    // The teams of the board's cells, in cell order.
    void setCells(const QVector<TeamId>& teams);
    QList<Row> rows() const;

    // 1 to the number of cells; 0 when the board has none.
    int selectedCell() const;
    void selectCell(int cell);
    // Up and Down, Tab and Shift+Tab: to the next or previous cell, round from the last to the first.
    void moveSelection(int steps);

    // The entry being typed on the board's displays, as the score entry holds it.
    static QString pendingEntry();
    // The latest score changes, newest first: "Foxes: 12 → 15".
    static QStringList latestChanges(int count);
    // A score as the audience sees it.
    static QString shownScore(const QString& score);

private:
    QVector<TeamId> cells;
    TeamId selected = 0;
};

} // namespace brimley
