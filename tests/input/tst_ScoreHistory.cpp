#include "input/ScoreHistory.h"

#include <QtTest>
#include <map>

using namespace brimley;

namespace {

class FakeDisplay final : public ShowDigits::ScoreDisplay
{
public:
    QString Name() const override { return QStringLiteral("nledScore"); }
    QString Caption() const override { return caption; }
    void setCaption(const QString& value) override { caption = value; }
    QString caption = QStringLiteral("0");
};

// Displays A, B, C... in cells, as the scoreboard holds them: a display destroyed and created again in
// its cell is a new display with a new id.
struct Board
{
    ScoreHistory history;
    std::map<QChar, FakeDisplay> displays;
    std::map<QChar, ScoreHistory::DisplayId> ids;
    ScoreHistory::DisplayId lastId = 0;

    void create(QChar cell)
    {
        displays[cell] = FakeDisplay{};
        ids[cell] = ++lastId;
    }
    void destroy(QChar cell)
    {
        displays.erase(cell);
        ids.erase(cell);
    }
    bool write(ScoreHistory::DisplayId id, const QString& caption)
    {
        for (const auto& [cell, cellId] : ids) {
            if (cellId == id) {
                displays[cell].caption = caption;
                return true;
            }
        }
        return false;
    }
    // Runs a script of steps separated by spaces: "A5" the entry writes 5 to A, "u" undo, "r" redo,
    // "-A" destroys A, "+A" creates a new A. Returns the outcome of each undo and redo, y or n.
    QString run(const QString& script)
    {
        const auto writer = [this](ScoreHistory::DisplayId id, const QString& caption) {
            return write(id, caption);
        };
        QString outcomes;
        for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
            if (step == "u") {
                outcomes += history.undo(writer) ? u'y' : u'n';
            } else if (step == "r") {
                outcomes += history.redo(writer) ? u'y' : u'n';
            } else if (step.startsWith(u'-')) {
                destroy(step[1]);
            } else if (step.startsWith(u'+')) {
                create(step[1]);
            } else {
                RecordingDisplay display(displays.at(step[0]), history, ids.at(step[0]));
                display.setCaption(step.mid(1));
            }
        }
        return outcomes;
    }
    QString captions() const
    {
        QStringList result;
        for (const auto& [cell, display] : displays)
            result << QString(cell) + display.caption;
        return result.join(u' ');
    }
};

} // namespace

class tst_ScoreHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoWalkTheChangesOfAllDisplays_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QString>("captions");

        // Every row starts with displays A, B and C showing 0 and an empty history.
        QTest::newRow("undo walks back across displays") << "A10 B7 A12 u"
                                                         << "y"
                                                         << "A10 B7 C0";
        QTest::newRow("back to the start of the run, and no further") << "A10 B7 A12 u u u u"
                                                                      << "yyyn"
                                                                      << "A0 B0 C0";
        QTest::newRow("redo makes the changes again in order") << "A10 B7 A12 u u u r r"
                                                               << "yyyyy"
                                                               << "A10 B7 C0";
        QTest::newRow("a new change ends what could be redone") << "A10 B7 u u C3 r"
                                                                << "yyn"
                                                                << "A0 B0 C3";
        QTest::newRow("a value written again is no change") << "A0 B5 B5 u u"
                                                            << "yn"
                                                            << "A0 B0 C0";
        QTest::newRow("nothing to undo or redo at the start") << "u r"
                                                              << "nn"
                                                              << "A0 B0 C0";

        // A display that is gone is skipped, also when a new display has taken its cell.
        QTest::newRow("undo skips a destroyed display") << "A10 C30 C31 A11 -C u u"
                                                        << "yy"
                                                        << "A0 B0";
        QTest::newRow("the new display in the cell is not touched") << "A10 C30 -C +C u u"
                                                                    << "yn"
                                                                    << "A0 B0 C0";
        QTest::newRow("redo skips a destroyed display") << "A10 B7 u u -A r r"
                                                        << "yyyn"
                                                        << "B7 C0";
        QTest::newRow("a skipped change is gone for good") << "A10 B7 -B u r r"
                                                           << "yyn"
                                                           << "A10 C0";
    }
    void undoAndRedoWalkTheChangesOfAllDisplays()
    {
        QFETCH(QString, script);
        QFETCH(QString, outcomes);
        QFETCH(QString, captions);
        Board board;
        for (QChar cell : {u'A', u'B', u'C'})
            board.create(cell);
        QCOMPARE(board.run(script), outcomes);
        QCOMPARE(board.captions(), captions);
    }

    void onlyTheEntrysAcceptedWritesAreRecorded()
    {
        ShowDigits::entryState() = ShowDigits::EntryState{};
        ScoreHistory history;
        FakeDisplay display;
        RecordingDisplay recorded(display, history, 1);
        // 42 accepted, 123 out of range, +5 accepted, -50 below -1, Delete accepted, Enter alone.
        for (std::int16_t key : std::initializer_list<std::int16_t>{'4', '2', 13, '1', '2', '3', 13, '+', '5',
                                                                    13, '-', '5', '0', 13, 0, 13})
            ShowDigits::ScoreEntryKey(recorded, key, -1, 99);
        QStringList changes;
        for (const ScoreHistory::Change& change : history.undoable())
            changes << change.before + ">" + change.after;
        QCOMPARE(changes, (QStringList{"0>42", "42>47", "47>-1"}));
    }
};

QTEST_APPLESS_MAIN(tst_ScoreHistory)
#include "tst_ScoreHistory.moc"
