// The file commands of the options window, with every question and file dialog answered by the test.

#include "app/Settings.h"
#include "options/FileCommands.h"
#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
#include "platform/Dialogs.h"
#include "platform/NumLock.h"
#include "scoreboard/frmScoreboard.h"

#include <QAction>
#include <QListWidget>
#include <QtTest>

using namespace brimley;
namespace Testing = brimley::Dialogs::Testing;
using Shown = Testing::Shown;

namespace {

const QByteArray OldContent = "the file as it was before\r\n";

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What the dialogs showed, in order: "Question SaveFile Beep Question".
QString shownKinds()
{
    static const QStringList names{"Question", "Message", "OpenFile", "SaveFile", "Colour", "Beep"};
    QStringList kinds;
    for (const Shown& shown : Testing::shown())
        kinds << names[shown.kind];
    return kinds.join(' ');
}

QStringList rows(const QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

// A set-up that differs from the defaults everywhere a command could lose it.
Settings quizSettings(const QString& currentFile)
{
    Settings settings;
    settings.Spacing = 3;
    settings.PosImgToScore = SideLeft;
    settings.Teams = {{"Quiz A", {}, FlagTrue}, {"Quiz B", {}, FlagFalse}};
    settings.CurrentFile = currentFile;
    return settings;
}

Settings otherSettings()
{
    Settings settings;
    settings.DigitsWide = 3;
    settings.Teams = {{"Other 1", {}, FlagTrue}, {"Other 2", {}, FlagTrue}, {"Other 3", {}, FlagFalse}};
    return settings;
}

class FakeKeyboard final : public NumLock::Keyboard
{
public:
    std::optional<bool> isOn() override { return state; }
    void setOn(bool on) override
    {
        ++changes;
        state = on;
    }
    std::optional<bool> state;
    int changes = 0;
};

const QString NewOrOpenText = "Would you like to save changes to the current open file?";
const QString GoToScoreboardText =
    "Would you like to save changes to the current open file before going to the scoreboard?";
const QString ClosingText = "Would you like to save changes to the current open file before closing?";

} // namespace

class tst_FileCommands : public QObject
{
    Q_OBJECT

private:
    frmOptions* window = nullptr;
    QTemporaryDir dir;
    QString quizFile;  // exists, holding OldContent
    QString otherFile; // a scoreboard file holding otherSettings()

    bool open(const Settings& settings, Flag fileChanged)
    {
        model() = settings;
        window = frmOptions::instance();
        window->show();
        optionsState().FileChanged = fileChanged;
        return QTest::qWaitForWindowExposed(window);
    }

    void verifyQuestion(int index, const QString& title, const QString& text, Dialogs::Buttons buttons)
    {
        QVERIFY(index < Testing::shown().size());
        const Shown& shown = Testing::shown()[index];
        QCOMPARE(shown.kind, Shown::Question);
        QCOMPARE(shown.title, title);
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.buttons, buttons);
        QCOMPARE(shown.icon, Dialogs::Icon::Question);
    }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        Testing::enable();
        Testing::reset();
        SetDefaults();
        optionsState() = OptionsWindowState{};
        quizFile = dir.filePath("quiz.brm");
        otherFile = dir.filePath("other.brm");
        QVERIFY(writeBytes(quizFile, OldContent));
        QVERIFY(writeBytes(otherFile, ScoreboardFile::fileBytes(otherSettings())));
    }
    void cleanup()
    {
        if (frmOptions::exists())
            delete frmOptions::instance();
        if (frmScoreboard::exists())
            delete frmScoreboard::instance();
        QCOMPARE(Testing::unexpected(), 0);
        for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
            QVERIFY(QDir(dir.path()).remove(name) || QDir(dir.filePath(name)).removeRecursively());
    }

    void savePromptGuardsEveryCommandThatLeavesChanges_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");   // empty: there are no unsaved changes
        QTest::addColumn<QString>("openFile"); // empty: no file is open
        QTest::addColumn<bool>("wentOn");
        QTest::addColumn<bool>("saved");

        for (const QString command : {"New", "Open", "Go To Scoreboard", "Close"}) {
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow(qPrintable(command + ": " + name)) << command;
            };
            // clang-format off
            row("no changes, no question")    << ""       << "quiz.brm"      << true  << false;
            row("Cancel")                     << "Cancel" << "quiz.brm"      << false << false;
            row("No")                         << "No"     << "quiz.brm"      << true  << false;
            row("Yes saves the open file")    << "Yes"    << "quiz.brm"      << true  << true;
            row("Yes, save dialog cancelled") << "Yes"    << ""              << false << false;
            row("Yes, save fails")            << "Yes"    << "gone/quiz.brm" << false << false;
            // clang-format on
        }
    }
    void savePromptGuardsEveryCommandThatLeavesChanges()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, openFile);
        QFETCH(bool, wentOn);
        QFETCH(bool, saved);

        const Settings before = quizSettings(openFile.isEmpty() ? QString() : dir.filePath(openFile));
        QVERIFY(open(before, answer.isEmpty() ? FlagFalse : FlagTrue));
        const QString caption = window->windowTitle();
        QCOMPARE(caption, FileCommands::caption(before.CurrentFile));

        if (!answer.isEmpty())
            Testing::queueAnswer(answer == "Yes"  ? Dialogs::Answer::Yes
                                 : answer == "No" ? Dialogs::Answer::No
                                                  : Dialogs::Answer::Cancel);
        if (answer == "Yes" && openFile.isEmpty())
            Testing::queueFile(std::nullopt);
        if (command == "Open" && wentOn)
            Testing::queueFile(otherFile);

        if (command == "New")
            window->mnuFileNew->trigger();
        else if (command == "Open")
            window->mnuFileOpen->trigger();
        else if (command == "Go To Scoreboard")
            window->GoScoreboard();
        else
            window->close();

        if (!answer.isEmpty()) {
            const QString text = command == "Go To Scoreboard" ? GoToScoreboardText
                                 : command == "Close"          ? ClosingText
                                                               : NewOrOpenText;
            verifyQuestion(0, "Save Changes?", text, Dialogs::Buttons::YesNoCancel);
        }
        QVERIFY(!shownKinds().contains("Question Question")); // never a second save prompt
        QCOMPARE(contentOf(quizFile), saved ? ScoreboardFile::fileBytes(before) : OldContent);
        QCOMPARE(shownKinds().contains("Message"), openFile.startsWith("gone/"));

        if (!wentOn) {
            QVERIFY(frmOptions::exists() && window->isVisible());
            QCOMPARE(model(), before);
            QCOMPARE(optionsState().FileChanged, FlagTrue);
            QCOMPARE(window->windowTitle(), caption);
            QCOMPARE(rows(window->lstTeams), QStringList({"Quiz A", "Quiz B"}));
            return;
        }
        if (command == "New") {
            Settings defaults;
            QCOMPARE(model(), defaults);
            QCOMPARE(window->windowTitle(), QStringLiteral("Brimley"));
            QCOMPARE(rows(window->lstTeams), QStringList{"Team 1"});
            QCOMPARE(optionsState().FileChanged, FlagFalse);
        } else if (command == "Open") {
            Settings opened = otherSettings();
            opened.CurrentFile = otherFile;
            QCOMPARE(model(), opened);
            QCOMPARE(window->windowTitle(), "Brimley - " + otherFile);
            QCOMPARE(rows(window->lstTeams), QStringList({"Other 1", "Other 2", "Other 3"}));
            QCOMPARE(optionsState().FileChanged, FlagFalse);
        } else {
            QTRY_VERIFY(!frmOptions::exists());
            QCOMPARE(model(), before);
            QCOMPARE(optionsState().FileChanged, answer == "No" ? FlagTrue : FlagFalse);
            QCOMPARE(optionsState().UnloadDoNotAskToSave, FlagFalse);
            if (command == "Go To Scoreboard") {
                QVERIFY(frmScoreboard::exists() && frmScoreboard::instance()->isVisible());
                QCOMPARE(frmScoreboard::instance()->TotalObjs(), 1); // the unsaved team list
            }
        }
    }

    void saveWritesTheOpenFileAndSaveAsAsksForAName_data()
    {
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("openFile"); // empty: no file is open
        QTest::addColumn<QString>("chosen");   // "-": the dialog is cancelled
        QTest::addColumn<QString>("overwrite");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("writtenTo"); // empty: nothing written

        // clang-format off
        QTest::newRow("Save with a file open writes it directly")
            << false << "quiz.brm" << "" << "" << "" << "quiz.brm";
        QTest::newRow("Save with no file open asks for a name")
            << false << "" << "new.brm" << "" << "SaveFile" << "new.brm";
        QTest::newRow("Save As asks for a name with a file open")
            << true << "quiz.brm" << "new.brm" << "" << "SaveFile" << "new.brm";
        QTest::newRow("Save As over the open file, Yes")
            << true << "quiz.brm" << "quiz.brm" << "Yes" << "SaveFile Beep Question" << "quiz.brm";
        QTest::newRow("Save As over another file, No")
            << true << "" << "other.brm" << "No" << "SaveFile Beep Question" << "";
        QTest::newRow("dialog cancelled")
            << true << "quiz.brm" << "-" << "" << "SaveFile" << "";
        // clang-format on
    }
    void saveWritesTheOpenFileAndSaveAsAsksForAName()
    {
        QFETCH(bool, saveAs);
        QFETCH(QString, openFile);
        QFETCH(QString, chosen);
        QFETCH(QString, overwrite);
        QFETCH(QString, shown);
        QFETCH(QString, writtenTo);

        const Settings before = quizSettings(openFile.isEmpty() ? QString() : dir.filePath(openFile));
        QVERIFY(open(before, FlagTrue));
        const QByteArray otherContent = contentOf(otherFile);
        if (!shown.isEmpty())
            Testing::queueFile(chosen == "-" ? std::nullopt : std::optional(dir.filePath(chosen)));
        if (!overwrite.isEmpty())
            Testing::queueAnswer(overwrite == "Yes" ? Dialogs::Answer::Yes : Dialogs::Answer::No);

        QCOMPARE(window->SaveFileAs(saveAs), !writtenTo.isEmpty());
        QCOMPARE(shownKinds(), shown);
        if (shown.startsWith("SaveFile"))
            QCOMPARE(Testing::shown()[0].text, QStringLiteral("Brimley File *.brm|*.brm"));
        if (!overwrite.isEmpty())
            verifyQuestion(2, "Overwrite file?",
                           "Are you sure you want to save over this file?\r" + dir.filePath(chosen),
                           Dialogs::Buttons::YesNo);

        const QString current = writtenTo.isEmpty() ? before.CurrentFile : dir.filePath(writtenTo);
        QCOMPARE(model().CurrentFile, current);
        QCOMPARE(window->windowTitle(), FileCommands::caption(current));
        QCOMPARE(optionsState().FileChanged, writtenTo.isEmpty() ? FlagTrue : FlagFalse);
        const QByteArray saved = ScoreboardFile::fileBytes(before);
        QCOMPARE(contentOf(quizFile), writtenTo == "quiz.brm" ? saved : OldContent);
        QCOMPARE(contentOf(otherFile), otherContent);
        if (writtenTo == "new.brm")
            QCOMPARE(contentOf(dir.filePath("new.brm")), saved);
    }

    void failedSaveTellsWhyAndKeepsEverything_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "gone/new.brm";
        QTest::newRow("a folder") << "folder";
    }
    void failedSaveTellsWhyAndKeepsEverything()
    {
        QFETCH(QString, target);
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        const Settings before = quizSettings(quizFile);
        QVERIFY(open(before, FlagTrue));
        const QString path = dir.filePath(target);
        Testing::queueFile(path);
        if (target == "folder")
            Testing::queueAnswer(Dialogs::Answer::Yes); // it exists: the overwrite question

        QVERIFY(!window->SaveFileAs(true));
        const Shown& told = Testing::shown().constLast();
        QCOMPARE(told.kind, Shown::Message);
        const QStringList lines = told.text.split('\r');
        QVERIFY2(lines.contains(path), qPrintable(told.text));
        QVERIFY2(lines.size() >= 3 && !lines[2].isEmpty(), "the message gives the reason");
        QCOMPARE(model(), before);
        QCOMPARE(window->windowTitle(), "Brimley - " + quizFile);
        QCOMPARE(optionsState().FileChanged, FlagTrue);
        QCOMPARE(contentOf(quizFile), OldContent);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList({"folder", "other.brm", "quiz.brm"}));

        // The open file is still the one Save writes, without a dialog.
        Testing::reset();
        window->mnuFileSave->trigger();
        QCOMPARE(shownKinds(), QString());
        QCOMPARE(contentOf(quizFile), ScoreboardFile::fileBytes(before));
    }

    void openReplacesEverythingOrNothing_data()
    {
        QTest::addColumn<QString>("chosen"); // "-": the dialog is cancelled
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("told");
        QTest::newRow("a scoreboard file") << "other.brm" << true << false;
        QTest::newRow("dialog cancelled") << "-" << false << false;
        QTest::newRow("no such file") << "missing.brm" << false << false;
        QTest::newRow("a folder") << "folder" << false << true;
    }
    void openReplacesEverythingOrNothing()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, replaced);
        QFETCH(bool, told);
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        const Settings before = quizSettings(quizFile);
        QVERIFY(open(before, FlagTrue));
        window->lstTeams->setCurrentRow(1);
        optionsState().FileChanged = FlagTrue;
        Testing::queueAnswer(Dialogs::Answer::No);
        Testing::queueFile(chosen == "-" ? std::nullopt : std::optional(dir.filePath(chosen)));

        window->mnuFileOpen->trigger();
        QCOMPARE(shownKinds(), told ? "Question OpenFile Message" : "Question OpenFile");
        QCOMPARE(Testing::shown()[1].text, QStringLiteral(" Brimley File *.brm|*.brm"));
        if (told)
            QVERIFY2(Testing::shown()[2].text.split('\r').contains(dir.filePath(chosen)),
                     qPrintable(Testing::shown()[2].text));

        if (replaced) {
            Settings opened = otherSettings();
            opened.CurrentFile = otherFile;
            QCOMPARE(model(), opened);
            QCOMPARE(window->windowTitle(), "Brimley - " + otherFile);
            QCOMPARE(rows(window->lstTeams), QStringList({"Other 1", "Other 2", "Other 3"}));
            QCOMPARE(optionsState().CurTeamSelected, 0);
            QCOMPARE(optionsState().FileChanged, FlagFalse);
        } else {
            QCOMPARE(model(), before);
            QCOMPARE(window->windowTitle(), "Brimley - " + quizFile);
            QCOMPARE(rows(window->lstTeams), QStringList({"Quiz A", "Quiz B"}));
            QCOMPARE(optionsState().CurTeamSelected, 1);
            QCOMPARE(optionsState().FileChanged, FlagTrue);
        }
    }

    void goingToTheScoreboardForcesNumLock_data()
    {
        QTest::addColumn<int>("force");
        QTest::addColumn<bool>("onBefore");
        QTest::addColumn<bool>("cancelled"); // the save prompt answered Cancel
        QTest::addColumn<bool>("onAfter");
        QTest::addColumn<int>("changes");
        QTest::newRow("normal leaves it off") << 0 << false << false << false << 0;
        QTest::newRow("keep on turns it on") << 1 << false << false << true << 1;
        QTest::newRow("keep off turns it off") << 2 << true << false << false << 1;
        QTest::newRow("not after Cancel") << 1 << false << true << false << 0;
    }
    void goingToTheScoreboardForcesNumLock()
    {
        QFETCH(int, force);
        QFETCH(bool, onBefore);
        QFETCH(bool, cancelled);
        FakeKeyboard keyboard;
        keyboard.state = onBefore;
        NumLock::Testing::replaceSystem(&keyboard);
        Settings settings = quizSettings(QString());
        settings.NumLockForce = force;
        QVERIFY(open(settings, cancelled ? FlagTrue : FlagFalse));
        if (cancelled)
            Testing::queueAnswer(Dialogs::Answer::Cancel);
        window->GoScoreboard();
        NumLock::Testing::replaceSystem(nullptr);
        QTEST(keyboard.state.value(), "onAfter");
        QTEST(keyboard.changes, "changes");
        QCOMPARE(model().NumLockForce, force);
    }

    void shortcutsRunTheirCommands_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("firstShown"); // the question's text, or the file dialog's filter
        QTest::newRow("Ctrl+N New") << int(Qt::Key_N) << NewOrOpenText;
        QTest::newRow("Ctrl+O Open") << int(Qt::Key_O) << NewOrOpenText;
        QTest::newRow("Ctrl+G Go To Scoreboard") << int(Qt::Key_G) << GoToScoreboardText;
        QTest::newRow("Ctrl+S Save, no file open") << int(Qt::Key_S) << "Brimley File *.brm|*.brm";
        QTest::newRow("Ctrl+A Save As") << int(Qt::Key_A) << "Brimley File *.brm|*.brm";
    }
    void shortcutsRunTheirCommands()
    {
        QFETCH(int, key);
        QFETCH(QString, firstShown);
        QVERIFY(open(quizSettings(QString()), FlagTrue));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        // The prompt is cancelled, and so is the file dialog.
        if (firstShown.startsWith("Would"))
            Testing::queueAnswer(Dialogs::Answer::Cancel);
        else
            Testing::queueFile(std::nullopt);
        QTest::keyClick(window->lstTeams, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(Testing::shown().size(), 1);
        QCOMPARE(Testing::shown()[0].text, firstShown);
        QVERIFY(frmOptions::exists());
    }
};

QTEST_MAIN(tst_FileCommands)
#include "tst_FileCommands.moc"
