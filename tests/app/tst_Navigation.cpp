// How the windows open and close each other, and when the program ends.

#include "app/Navigation.h"
#include "app/Settings.h"
#include "app/frmHelp.h"
#include "app/frmSplash.h"
#include "options/FileCommands.h"
#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
#include "platform/Dialogs.h"
#include "scoreboard/frmScoreboard.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace brimley;
namespace Testing = brimley::Dialogs::Testing;

namespace {

const QString ClosingText = "Would you like to save changes to the current open file before closing?";

// The program's open windows by name, in a fixed order; the program ends when none is left.
QStringList openWindows()
{
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && !window->parentWidget())
            names << window->objectName();
    names.sort();
    return names;
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

class tst_Navigation : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    // The path of a quiz host: start, click the splash, go to the scoreboard answering the save
    // prompt with No when it comes.
    void startAndClickTheSplash(const QString& fileToOpen = {})
    {
        Navigation::start(fileToOpen);
        QVERIFY(QTest::qWaitForWindowExposed(frmSplash::instance()));
        QTest::mouseClick(frmSplash::instance(), Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(!frmSplash::exists());
        QVERIFY(frmOptions::exists() && frmOptions::instance()->isVisible());
    }
    void goToTheScoreboard()
    {
        if (optionsState().FileChanged == FlagTrue)
            Testing::queueAnswer(Dialogs::Answer::No);
        frmOptions::instance()->GoScoreboard();
        QTRY_VERIFY(!frmOptions::exists());
    }
    void closeAll()
    {
        if (frmSplash::exists())
            delete frmSplash::instance();
        if (frmOptions::exists())
            delete frmOptions::instance();
        if (frmScoreboard::exists())
            delete frmScoreboard::instance();
        if (frmHelp::exists())
            delete frmHelp::instance();
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        Testing::enable();
        Testing::reset();
        model() = Settings{};
        optionsState() = OptionsWindowState{};
    }
    void cleanup()
    {
        closeAll();
        QCOMPARE(Testing::unexpected(), 0);
    }

    void theProgramStartsWithTheSplashAlone()
    {
        model().Teams = {{"Left over", {}, FlagFalse}, {"from before", {}, FlagTrue}};
        model().DigitsWide = 4;
        Navigation::start();
        QCOMPARE(openWindows(), QStringList{"frmSplash"});
        QCOMPARE(model(), Settings{});
        QCOMPARE(optionsState().FileChanged, FlagFalse);
    }

    void helpOnTheSplashLeavesItWaiting()
    {
        Navigation::start();
        QTest::mouseClick(frmSplash::instance()->cmdHelp, Qt::LeftButton);
        QCOMPARE(openWindows(), QStringList({"frmHelp", "frmSplash"}));
        startAndClickTheSplash();
        QCOMPARE(openWindows(), QStringList({"frmHelp", "frmOptions"}));
        QCOMPARE(frmOptions::instance()->lstTeams->item(0)->text(), QStringLiteral("Team 1"));
        QCOMPARE(frmOptions::instance()->lstTeams->count(), 1);
    }

    void aFileNamedAtStartOpensWithTheOptionsWindow()
    {
        model().Teams = {{"Red", {}, FlagTrue}, {"Blue", {}, FlagFalse}};
        model().DigitsWide = 3;
        model().CurrentFile = dir.filePath("quiz.brm");
        QVERIFY(ScoreboardFile::SaveFile());
        model() = Settings{};

        // Named as a shell names it, relative to the folder the program starts in.
        const QString startFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Navigation::start("quiz.brm");
        QDir::setCurrent(startFolder);
        // Until the splash is clicked the program is as ever.
        QCOMPARE(model(), Settings{});

        startAndClickTheSplash();
        frmOptions* options = frmOptions::instance();
        QCOMPARE(options->windowTitle(), "Brimley - " + dir.filePath("quiz.brm"));
        QCOMPARE(model().CurrentFile, dir.filePath("quiz.brm"));
        QCOMPARE(model().DigitsWide, 3);
        QCOMPARE(options->lstTeams->count(), 2);
        QCOMPARE(options->lstTeams->item(1)->text(), QStringLiteral("Blue"));
        QCOMPARE(optionsState().FileChanged, FlagFalse);
        QVERIFY(Testing::shown().isEmpty());
    }

    void aFileNamedAtStartThatCannotBeReadIsToldAsOpenTellsIt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("openTakesIt"); // File, Open's dialog refuses a missing file
        QTest::newRow("missing") << "absent.brm" << false;
        QTest::newRow("a folder") << "folder.brm" << true;
    }
    void aFileNamedAtStartThatCannotBeReadIsToldAsOpenTellsIt()
    {
        QFETCH(QString, name);
        QFETCH(bool, openTakesIt);
        QVERIFY(QDir(dir.path()).mkpath("folder.brm"));
        const QString path = dir.filePath(name);

        startAndClickTheSplash(path);
        QCOMPARE(Testing::shown().size(), 1);
        const Testing::Shown told = Testing::shown().first();
        QCOMPARE(told.kind, Testing::Shown::Message);
        QCOMPARE(told.title, QStringLiteral("Open"));
        QVERIFY2(told.text.startsWith("The file could not be opened\r" + path + "\r"), qPrintable(told.text));
        QVERIFY(told.text.endsWith("\rNothing has been changed."));
        // Nothing changed: the defaults, no file open.
        QCOMPARE(frmOptions::instance()->windowTitle(), QStringLiteral("Brimley"));
        QCOMPARE(model(), Settings{});

        if (openTakesIt) {
            Testing::queueFile(path);
            FileCommands::Open(*frmOptions::instance());
            QCOMPARE(Testing::shown().last().text, told.text);
        }
    }

    void theProgramEndsWhenItsLastWindowCloses_data()
    {
        QTest::addColumn<bool>("scoreboard");
        QTest::addColumn<bool>("help");
        QTest::addColumn<QStringList>("left"); // open after the options window closed
        QTest::newRow("before the scoreboard ever showed") << false << false << QStringList();
        QTest::newRow("help still open") << false << true << QStringList{"frmHelp"};
        QTest::newRow("scoreboard open") << true << false << QStringList{"frmScoreboard"};
    }
    void theProgramEndsWhenItsLastWindowCloses()
    {
        QFETCH(bool, scoreboard);
        QFETCH(bool, help);
        startAndClickTheSplash();
        if (help)
            Navigation::showHelp();
        if (scoreboard) {
            goToTheScoreboard();
            Navigation::showOptions();
        }
        frmOptions::instance()->close();
        QTRY_VERIFY(!frmOptions::exists());
        QTEST(openWindows(), "left");
    }

    void goingToTheScoreboardAndBackKeepsTheUnsavedChanges()
    {
        startAndClickTheSplash();
        QTest::mouseClick(frmOptions::instance()->cmdAddTeam, Qt::LeftButton);
        goToTheScoreboard();
        QCOMPARE(Testing::shown().size(), 1); // the save prompt, never the closing one
        QCOMPARE(openWindows(), QStringList{"frmScoreboard"});
        QCOMPARE(frmScoreboard::instance()->TotalObjs(), 2);

        // F2: a fresh options window over the scoreboard, with the changes still unsaved.
        Navigation::showOptions();
        frmOptions* window = frmOptions::instance();
        QCOMPARE(openWindows(), QStringList({"frmOptions", "frmScoreboard"}));
        QCOMPARE(window->lstTeams->count(), 2);
        QCOMPARE(optionsState().FileChanged, FlagTrue);
        Navigation::showOptions();
        QCOMPARE(frmOptions::instance(), window);

        Testing::queueAnswer(Dialogs::Answer::Cancel);
        window->close();
        QCOMPARE(Testing::shown().constLast().text, ClosingText);
        QVERIFY(window->isVisible());
    }

    void closingTheLastWindowWithUnsavedChangesAsks_data()
    {
        QTest::addColumn<QString>("closing"); // the window closed last
        QTest::addColumn<bool>("fileChanged");
        QTest::addColumn<QString>("openFile"); // empty: no file is open
        QTest::addColumn<QString>("answer");   // empty: nothing is asked
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");

        // clang-format off
        QTest::newRow("no unsaved changes")         << "frmScoreboard" << false << "quiz.brm"      << ""       << true  << false;
        QTest::newRow("Cancel keeps it open")       << "frmScoreboard" << true  << "quiz.brm"      << "Cancel" << false << false;
        QTest::newRow("No closes it")               << "frmScoreboard" << true  << "quiz.brm"      << "No"     << true  << false;
        QTest::newRow("Yes saves and closes")       << "frmScoreboard" << true  << "quiz.brm"      << "Yes"    << true  << true;
        QTest::newRow("Yes, save dialog cancelled") << "frmScoreboard" << true  << ""              << "Yes"    << false << false;
        QTest::newRow("Yes, save fails")            << "frmScoreboard" << true  << "gone/quiz.brm" << "Yes"    << false << false;
        QTest::newRow("help closed last")           << "frmHelp"       << true  << "quiz.brm"      << "Yes"    << true  << true;
        // clang-format on
    }
    void closingTheLastWindowWithUnsavedChangesAsks()
    {
        QFETCH(QString, closing);
        QFETCH(bool, fileChanged);
        QFETCH(QString, openFile);
        QFETCH(QString, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);

        startAndClickTheSplash();
        goToTheScoreboard();
        if (closing == "frmHelp") {
            Navigation::showHelp();
            optionsState().FileChanged = FlagTrue;
            frmScoreboard::instance()->close(); // not the last window: closes without asking
            QTRY_VERIFY(!frmScoreboard::exists());
        }
        QCOMPARE(Testing::shown().size(), 0);
        QCOMPARE(openWindows(), QStringList{closing});

        const QString quizFile = dir.filePath("quiz.brm");
        QFile::remove(quizFile);
        model().CurrentFile = openFile.isEmpty() ? QString() : dir.filePath(openFile);
        optionsState().FileChanged = fileChanged ? FlagTrue : FlagFalse;
        if (!answer.isEmpty())
            Testing::queueAnswer(answer == "Yes"  ? Dialogs::Answer::Yes
                                 : answer == "No" ? Dialogs::Answer::No
                                                  : Dialogs::Answer::Cancel);
        if (answer == "Yes" && openFile.isEmpty())
            Testing::queueFile(std::nullopt);

        QWidget* window = QApplication::topLevelWidgets().first();
        for (QWidget* candidate : QApplication::topLevelWidgets())
            if (candidate->objectName() == closing)
                window = candidate;
        window->close();

        QCOMPARE(!Testing::shown().isEmpty(), !answer.isEmpty());
        if (!answer.isEmpty()) {
            const auto& prompt = Testing::shown().constFirst();
            QCOMPARE(prompt.title, QStringLiteral("Save Changes?"));
            QCOMPARE(prompt.text, ClosingText);
            QCOMPARE(prompt.buttons, Dialogs::Buttons::YesNoCancel);
        }
        QCOMPARE(openWindows(), closes ? QStringList() : QStringList{closing});
        QCOMPARE(QFile::exists(quizFile), saved);
        if (saved)
            QCOMPARE(contentOf(quizFile), ScoreboardFile::fileBytes(model()));
        QCOMPARE(optionsState().FileChanged, fileChanged && !saved ? FlagTrue : FlagFalse);
    }
};

QTEST_MAIN(tst_Navigation)
#include "tst_Navigation.moc"
