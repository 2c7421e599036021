#pragma once

// The team list edits of the options window as plain operations on the team list, so that the window
// only mirrors their results in its rows. Indices are row numbers; the list is never left empty.

#include "app/Settings.h"

#include <QVector>

namespace brimley::TeamListEditor {

// A new team: named "Team" (no number), no picture, shown.
Team newTeam();

// Appends a new team; refused (false) when the list is full.
bool addTeam(QVector<Team>& teams);

// Removes the team at the index; refused (false) when it is the only team or the index is not a row.
bool removeTeam(QVector<Team>& teams, int index);

// The row selected after the team at removedRow was removed from a list that now has rowCount rows:
// the team that followed it, or the new last row when the last one went.
int rowAfterRemoval(int removedRow, int rowCount);

// Moves team FromIndex to ToIndex with its name, picture and shown flag; the teams in between shift by
// one towards FromIndex. Indices outside the list change nothing.
void MoveTeam(QVector<Team>& teams, int FromIndex, int ToIndex);

// Which buttons the selection of a row allows.
struct SelectionButtons
{
    bool removeSelected = false; // "Delete Selected Team": two or more rows
    bool moveUp = false;         // "/\": not the first row
    bool moveDown = false;       // "\/": not the last row
    bool pictureNone = false;    // "No Team Picture": the team has a picture
};

// The button states for the selected row (-1: none) of a list of rowCount rows.
SelectionButtons buttonsFor(int row, int rowCount, const QString& picture);

} // namespace brimley::TeamListEditor
