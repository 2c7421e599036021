#pragma once

// Exporting a quiz night for a spreadsheet: the results (rank, team, score of every shown team, in
// standings order) and the log of every score change of the run (time, team, old and new score, and
// what caused it), each as a CSV file. A file is replaced only after the overwrite question, and only
// once the new one is written whole; a failed write says why and leaves any old file as it was.

class QAction;
class QMenu;
class QWidget;

namespace brimley::ExportCommands {

// "Export Results…" and "Export Score Log…", put into a File menu before `before` (null: at its end).
void addTo(QMenu* file, QAction* before, QWidget* window);

// Each returns whether a file was written.
bool exportResults(QWidget* parent);
bool exportScoreLog(QWidget* parent);

} // namespace brimley::ExportCommands
