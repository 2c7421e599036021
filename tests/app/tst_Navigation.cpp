// How the windows open and close each other, when the program ends, and what the help window shows.

#include "app/HelpLayout.h"
#include "app/Navigation.h"
#include "app/Settings.h"
#include "app/frmHelp.h"
#include "app/frmSplash.h"
#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
#include "platform/Dialogs.h"
#include "scoreboard/frmScoreboard.h"
#include "support/TestFiles.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace brimley;
namespace Testing = brimley::Dialogs::Testing;

namespace {

const QString ClosingText = "Would you like to save changes to the current open file before closing?";

// The program's open windows by name, sorted; the program ends when none is left.
QStringList openWindows()
{
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->parentWidget())
            names << window->objectName();
    names.sort();
    return names;
}

} // namespace

class tst_Navigation : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString helpFile = dir.filePath("help.rtf");

    static QString helpText() { return frmHelp::instance()->rtbHelp->toPlainText(); }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        Testing::enable();
        Testing::reset();
        model() = Settings{};
        optionsState() = OptionsWindowState{};
        QFile::remove(helpFile);
        frmHelp::setHelpFilePathForTesting(helpFile);
    }
    void cleanup()
    {
        delete (frmSplash::exists() ? frmSplash::instance() : nullptr);
        delete (frmOptions::exists() ? frmOptions::instance() : nullptr);
        delete (frmScoreboard::exists() ? frmScoreboard::instance() : nullptr);
        delete (frmHelp::exists() ? frmHelp::instance() : nullptr);
        QCOMPARE(Testing::unexpected(), 0);
    }

    // Which windows open which, and what is left open when one closes: the program ends with none.
    void theWindowsLeadToEachOther()
    {
        Navigation::start();
        QCOMPARE(openWindows(), QStringList{"frmSplash"});
        QTest::mouseClick(frmSplash::instance()->cmdHelp, Qt::LeftButton); // leaves the splash waiting
        QCOMPARE(openWindows(), QStringList({"frmHelp", "frmSplash"}));
        QTest::mouseClick(frmSplash::instance()->lblName, Qt::LeftButton); // labels leave clicks to it
        QCOMPARE(openWindows(), QStringList({"frmHelp", "frmOptions"}));
        frmOptions::instance()->close();
        QCOMPARE(openWindows(), QStringList{"frmHelp"});
        frmHelp::instance()->close();
        QCOMPARE(openWindows(), QStringList());
        QTRY_VERIFY(!frmSplash::exists() && !frmOptions::exists() && !frmHelp::exists()); // deleted
    }

    // Whichever window closes last, unsaved changes are not lost without a word, and asked about once.
    // (That a failed save keeps the window open as a cancelled one does is tested in tst_frmOptions.)
    void closingTheLastWindowWithUnsavedChangesAsks_data()
    {
        QTest::addColumn<QString>("closing");  // the window closed last
        QTest::addColumn<QString>("openFile"); // empty: no file is open, Yes brings the save dialog
        QTest::addColumn<int>("answer");       // -1: no unsaved changes, nothing is asked
        QTest::addColumn<bool>("closes");
        const int yes = int(Dialogs::Answer::Yes), no = int(Dialogs::Answer::No),
                  cancel = int(Dialogs::Answer::Cancel);
        // clang-format off
        QTest::newRow("no unsaved changes")         << "frmScoreboard" << "quiz.brm" << -1     << true;
        QTest::newRow("Cancel keeps it open")       << "frmScoreboard" << "quiz.brm" << cancel << false;
        QTest::newRow("No closes it")               << "frmScoreboard" << "quiz.brm" << no     << true;
        QTest::newRow("Yes saves and closes")       << "frmScoreboard" << "quiz.brm" << yes    << true;
        QTest::newRow("Yes, save dialog cancelled") << "frmScoreboard" << ""         << yes    << false;
        QTest::newRow("help closed last")           << "frmHelp"       << "quiz.brm" << yes    << true;
        // The options window asks by itself; the watch over the last window must not ask again.
        QTest::newRow("options closed last")        << "frmOptions"    << "quiz.brm" << no     << true;
        // clang-format on
    }
    void closingTheLastWindowWithUnsavedChangesAsks()
    {
        QFETCH(QString, closing);
        QFETCH(QString, openFile);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        Navigation::start();
        QVERIFY(QTest::qWaitForWindowExposed(frmSplash::instance()));
        QTest::mouseClick(frmSplash::instance(), Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(!frmSplash::exists() && frmOptions::exists());
        frmOptions::instance()->GoScoreboard(); // nothing changed: no question
        QTRY_VERIFY(!frmOptions::exists());
        QWidget* window = frmScoreboard::instance();
        if (closing != "frmScoreboard") {
            closing == "frmHelp" ? Navigation::showHelp() : Navigation::showOptions(); // F1, F2
            QCOMPARE(openWindows(), QStringList({closing, "frmScoreboard"}));
            window =
                closing == "frmHelp" ? static_cast<QWidget*>(frmHelp::instance()) : frmOptions::instance();
            optionsState().FileChanged = FlagTrue;
            frmScoreboard::instance()->close(); // not the last window: closes without asking
            QTRY_VERIFY(!frmScoreboard::exists());
            QVERIFY(Testing::shown().isEmpty());
        }
        const QString quizFile = dir.filePath("quiz.brm");
        QFile::remove(quizFile);
        model().CurrentFile = openFile.isEmpty() ? QString() : dir.filePath(openFile);
        optionsState().FileChanged = answer >= 0 ? FlagTrue : FlagFalse;
        if (answer >= 0)
            Testing::queueAnswer(Dialogs::Answer(answer));
        if (openFile.isEmpty())
            Testing::queueFile(std::nullopt);
        window->close();

        const QList<Testing::Shown>& shown = Testing::shown(); // the prompt first, and once
        QCOMPARE(
            std::count_if(shown.cbegin(), shown.cend(), [](auto& one) { return one.kind == one.Question; }),
            answer < 0 ? 0 : 1);
        QVERIFY(answer < 0 ||
                (shown[0].text == ClosingText && shown[0].buttons == Dialogs::Buttons::YesNoCancel));
        QCOMPARE(openWindows(), closes ? QStringList() : QStringList{closing});
        const bool saved = closes && answer == int(Dialogs::Answer::Yes);
        QCOMPARE(TestFiles::contentOf(quizFile), saved ? ScoreboardFile::fileBytes(model()) : "<unreadable>");
        QCOMPARE(optionsState().FileChanged, answer >= 0 && !saved ? FlagTrue : FlagFalse);
    }

    // The help window shows the file as it was when the window opened: showing it again brings the same
    // window without reading the file again; after closing, the next showing reads it afresh.
    void theHelpWindowShowsTheFileOrWhyNot_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: no file at all
        QTest::addColumn<QString>("text");
        const QString unreadable = "Help file cannot be read.  Please reinstall the program.";
        QTest::newRow("an RTF document") << QByteArray("{\\rtf1 First edition}") << "First edition";
        QTest::newRow("missing")
            << QByteArray()
            << "Help file has been moved from its normal location.  Please reinstall the program.";
        QTest::newRow("a folder") << QByteArray("folder") << unreadable;
        QTest::newRow("random bytes") << QByteArray::fromHex("8badf00d00ff13377e0a0d00c0ffee") << unreadable;
        QTest::newRow("RTF holding no text") << QByteArray("{\\rtf1{\\pict 0a0b}}") << unreadable;
    }
    void theHelpWindowShowsTheFileOrWhyNot()
    {
        QFETCH(QByteArray, bytes);
        if (bytes == "folder")
            QVERIFY(QDir(dir.path()).mkpath("help.rtf"));
        else if (!bytes.isNull())
            QVERIFY(TestFiles::write(helpFile, bytes));
        Navigation::showHelp();
        frmHelp* first = frmHelp::instance();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QTEST(helpText(), "text");

        QDir(helpFile).removeRecursively();
        QVERIFY(TestFiles::write(helpFile, "{\\rtf1 Second edition}"));
        Navigation::showHelp();
        QCOMPARE(frmHelp::instance(), first);
        QTEST(helpText(), "text");
        first->close();
        QTRY_VERIFY(!frmHelp::exists());
        Navigation::showHelp();
        QVERIFY(frmHelp::instance()->isVisible());
        QCOMPARE(helpText(), QStringLiteral("Second edition"));
    }

    // The viewer fills the window but for the margins; a window dragged below its minimum is put back.
    void theHelpWindowKeepsItsLayout_data()
    {
        QTest::addColumn<QSizeF>("outer");
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QRectF>("viewer");
        QTest::addColumn<double>("wrap");
        // clang-format off
        QTest::newRow("initial")    << QSizeF(11055, 9270) << QSizeF(11055, 9270) << QRectF(120, 0, 10815, 8850) << 10365.0;
        QTest::newRow("too narrow") << QSizeF(2000, 5000)  << QSizeF(2700, 5000)  << QRectF(120, 0, 2460, 4580)  << 2010.0;
        QTest::newRow("too low")    << QSizeF(6000, 1200)  << QSizeF(6000, 1700)  << QRectF(120, 0, 5760, 1280)  << 5310.0;
        // clang-format on
    }
    void theHelpWindowKeepsItsLayout()
    {
        QFETCH(QSizeF, outer);
        const HelpLayout layout = helpLayout(outer.width(), outer.height());
        QTEST(QSizeF(layout.windowWidth, layout.windowHeight), "window");
        QTEST(layout.viewer, "viewer");
        QTEST(layout.wrapWidth, "wrap");

        frmHelp window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(133, 67); // 2000 x 1000 twips
        // 2700 x 1700 twips, the height as the whole pixel that reaches 1700 twips (114 px, 1710 twips).
        QTRY_COMPARE(window.frameGeometry().size(), QSize(180, 114));
        QCOMPARE(window.rtbHelp->geometry(), QRect(8, 0, 164, 86));
        QCOMPARE(window.rtbHelp->lineWrapColumnOrWidth(), 180 - 46); // 240 + 450 twips in pixels
    }
};

QTEST_MAIN(tst_Navigation)
#include "tst_Navigation.moc"
