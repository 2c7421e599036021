#include "app/Settings.h"

#include <QtTest>

using namespace brimley;

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreTheDocumentedValues()
    {
        Settings settings;
        settings.NumLockForce = 2;
        settings.BackColor = 1;
        settings.LEDColor = 2;
        settings.LEDBackColor = 3;
        settings.TextColor = 4;
        settings.PosNameToScore = SideNone;
        settings.PosImgToScore = SideLeft;
        settings.DigitsWide = 4;
        settings.HPadding = 20;
        settings.VPadding = 0;
        settings.Spacing = 1;
        OptionsWindowState options;

        SetDefaults(settings, options);

        QCOMPARE(settings.NumLockForce, 0);
        QCOMPARE(settings.BackColor, 0x404040);
        QCOMPARE(settings.BackColor, 4210752);
        QCOMPARE(settings.LEDColor, 255);
        QCOMPARE(settings.LEDBackColor, 0);
        QCOMPARE(settings.TextColor, 16777215);
        QCOMPARE(settings.PosNameToScore, 1);
        QCOMPARE(settings.PosImgToScore, 4);
        QCOMPARE(settings.DigitsWide, std::int16_t(2));
        QCOMPARE(settings.HPadding, std::int16_t(6));
        QCOMPARE(settings.VPadding, std::int16_t(6));
        QCOMPARE(settings.Spacing, std::int16_t(8));
    }

    void defaultsLeaveExactlyOneShownTeamWithoutPicture()
    {
        Settings settings;
        settings.Teams.clear();
        for (int i = 0; i < 5; ++i)
            settings.Teams.append(Team{QStringLiteral("T%1").arg(i), QStringLiteral("/p.gif"), FlagFalse});
        OptionsWindowState options;

        SetDefaults(settings, options);

        QCOMPARE(settings.Teams.size(), 1);
        QCOMPARE(settings.Teams[0].TeamName, QStringLiteral("Team 1"));
        QVERIFY(settings.Teams[0].TeamPicture.isEmpty());
        QCOMPARE(settings.Teams[0].TeamShown, FlagTrue);
        QCOMPARE(int(FlagTrue), -1);
    }

    void defaultsKeepTheOpenFileButClearUnsavedChanges()
    {
        Settings settings;
        settings.CurrentFile = QStringLiteral("/home/quiz/final.brm");
        OptionsWindowState options;
        options.FileChanged = FlagTrue;
        options.CurTeamSelected = 3;
        options.UnloadDoNotAskToSave = FlagTrue;

        SetDefaults(settings, options);

        QCOMPARE(settings.CurrentFile, QStringLiteral("/home/quiz/final.brm"));
        QCOMPARE(options.FileChanged, FlagFalse);
        // Only FileChanged is part of the reset.
        QCOMPARE(options.CurTeamSelected, std::int16_t(3));
        QCOMPARE(options.UnloadDoNotAskToSave, FlagTrue);
    }

    void theProcessWideModelStartsWithTheDefaults()
    {
        QCOMPARE(model(), Settings{});
        QCOMPARE(model().shownTeamCount(), 1);
    }
};

QTEST_APPLESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
