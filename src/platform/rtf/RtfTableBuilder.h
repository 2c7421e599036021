#pragma once

// The tables of an RTF document as QTextTable, built as their cells come: the cursor is moved into a
// table's next cell, into a new row, or out of the table, and tables are opened inside cells for nested
// ones. RTF tells a row's cell count and widths only as the row goes along or once it ends, so a table
// grows a column when a row has more cells than any before it, and takes its column widths from the
// first row that defines each column once it is complete.

#include "platform/rtf/RtfState.h"

#include <QList>
#include <QTextLength>

#include <vector>

class QTextCursor;
class QTextTable;

namespace brimley::rtf {

class RtfTableBuilder
{
public:
    RtfTableBuilder(QTextCursor& cursor, const RowDefinitions& rows);

    int depth() const { return static_cast<int>(open.size()); }
    // Whether the cursor is where text at that depth of tables goes: in a cell of a table that deep,
    // or outside all tables for 0.
    bool isAt(int level) const { return depth() == level && (level == 0 || open.back().inCell); }

    // Moves the cursor to where text at that depth goes: closes the tables deeper than that, opens
    // tables down to that depth, and enters the current cell of the innermost one, starting a new row
    // after one has ended.
    void enter(int level);
    // Closes the tables deeper than the level; the cursor goes after the outermost of them.
    void leaveTo(int level);

    // The innermost table's current cell is complete; the next text goes into the next cell. The
    // cursor must be in it (isAt). Beyond the most cells a row may have, the next text stays in the
    // row's last cell.
    void endCell();
    // The innermost table's current row is complete, with the row definition in force for its depth.
    void endRow();

private:
    struct Table
    {
        QTextTable* table = nullptr;
        int rows = 0; // rows and columns the table has, some of them possibly not used yet
        int columns = 0;
        int row = -1;   // the row being filled
        int column = 0; // the cell being filled, or the next one once it is complete
        int usedColumns = 0;
        bool rowOpen = false;
        bool inCell = false;
        QList<QTextLength> widths;
    };
    void openTable();
    void closeTable();
    void enterCell(Table& table);

    QTextCursor& cursor;
    const RowDefinitions& rows;
    std::vector<Table> open;
};

} // namespace brimley::rtf
