// Building the tables of an RTF document.

#include "platform/rtf/RtfTableBuilder.h"

#include <QTextCursor>
#include <QTextTable>

#include <algorithm>

namespace brimley::rtf {
namespace {

// Each row added to a table makes Qt go over all of its cells again; a long table therefore grows
// many rows at a time, and gives back the ones it did not use when it is closed.
constexpr int MaximumRowsAdded = 256;
// The space between a cell's edge and its text when the row gives none (\trgaph), as word processors
// write it.
constexpr int DefaultGap = 108;

} // namespace

RtfTableBuilder::RtfTableBuilder(QTextCursor& documentCursor, const RowDefinitions& rowDefinitions)
    : cursor(documentCursor), rows(rowDefinitions)
{
}

void RtfTableBuilder::enter(int level)
{
    level = std::clamp(level, 0, MaximumTableDepth);
    leaveTo(level);
    for (;;) {
        if (!open.empty())
            enterCell(open.back());
        if (depth() >= level)
            return;
        openTable();
    }
}

void RtfTableBuilder::leaveTo(int level)
{
    while (depth() > std::max(level, 0))
        closeTable();
}

void RtfTableBuilder::openTable()
{
    // The row definition usually comes before the row's cells: it tells how many columns to begin with.
    const RowDefinition& row = rows.at(depth() + 1);
    const int columns = std::clamp(row.cellCount, 1, MaximumColumns);
    QTextTableFormat format;
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(twipsToPixelsExact(row.gap >= 0 ? row.gap : DefaultGap));
    Table table;
    table.table = cursor.insertTable(1, columns, format);
    table.rows = 1;
    table.columns = columns;
    open.push_back(table);
}

void RtfTableBuilder::closeTable()
{
    Table& table = open.back();
    const int usedRows = std::max(table.row + 1, 1);
    if (table.rows > usedRows)
        table.table->removeRows(usedRows, table.rows - usedRows);
    const int usedColumns = std::max(table.usedColumns, 1);
    if (table.columns > usedColumns)
        table.table->removeColumns(usedColumns, table.columns - usedColumns);
    if (!table.widths.isEmpty()) {
        table.widths.resize(usedColumns);
        QTextTableFormat format = table.table->format();
        format.setColumnWidthConstraints(table.widths);
        table.table->setFormat(format);
    }
    cursor.setPosition(table.table->lastPosition() + 1);
    open.pop_back();
}

void RtfTableBuilder::enterCell(Table& table)
{
    if (table.inCell)
        return;
    if (!table.rowOpen) {
        ++table.row;
        table.column = 0;
        table.rowOpen = true;
        if (table.row >= table.rows) {
            const int added = std::clamp(table.rows / 2, 1, MaximumRowsAdded);
            table.table->appendRows(added);
            table.rows += added;
        }
    }
    if (table.column >= table.columns) {
        table.table->appendColumns(table.column + 1 - table.columns);
        table.columns = table.column + 1;
    }
    table.usedColumns = std::max(table.usedColumns, table.column + 1);
    cursor.setPosition(table.table->cellAt(table.row, table.column).firstPosition());
    table.inCell = true;
}

void RtfTableBuilder::endCell()
{
    Table& table = open.back();
    if (table.column + 1 >= MaximumColumns)
        return;
    ++table.column;
    table.inCell = false;
}

void RtfTableBuilder::endRow()
{
    Table& table = open.back();
    if (!table.rowOpen)
        return;
    // Each column's width comes from the first row that gives it, as the distance between the right
    // edges of its cell and the one before (or the row's left edge).
    const RowDefinition& row = rows.at(depth());
    for (auto column = static_cast<int>(table.widths.size()); column < row.cellCount; ++column) {
        const int left = column == 0 ? row.left : row.rightEdges[static_cast<std::size_t>(column - 1)];
        const int width = row.rightEdges[static_cast<std::size_t>(column)] - left;
        table.widths.append(width > 0 ? QTextLength(QTextLength::FixedLength, twipsToPixelsExact(width))
                                      : QTextLength());
    }
    table.rowOpen = false;
    table.inCell = false;
}

} // namespace brimley::rtf
