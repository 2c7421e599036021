#include "app/Settings.h"

#include <QtTest>

using namespace brimley;

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    // SetDefaults replaces every setting, leaves one shown team without a picture, keeps the open
    // file and clears only FileChanged of the options window's state.
    void setDefaultsGivesTheDefaultValues()
    {
        Settings settings{2, 1, 2, 3, 4, SideNone, SideLeft, 4, 20, 0, 1, "/home/quiz/final.brm", {}};
        for (int i = 0; i < 5; ++i)
            settings.Teams.append(Team{QStringLiteral("T%1").arg(i), QStringLiteral("/p.gif"), FlagFalse});
        OptionsWindowState options{FlagTrue, 3, FlagTrue};

        SetDefaults(settings, options);

        const QList<int> values{settings.NumLockForce,  settings.BackColor,  settings.LEDColor,
                                settings.LEDBackColor,  settings.TextColor,  settings.PosNameToScore,
                                settings.PosImgToScore, settings.DigitsWide, settings.HPadding,
                                settings.VPadding,      settings.Spacing};
        QCOMPARE(values, QList<int>({0, 0x404040, 255, 0, 16777215, 1, 4, 2, 6, 6, 8}));
        QCOMPARE(settings.Teams, QList<Team>({Team{"Team 1", "", FlagTrue}}));
        QCOMPARE(settings.CurrentFile, QStringLiteral("/home/quiz/final.brm"));
        QCOMPARE(options.FileChanged, FlagFalse);
        QCOMPARE(options.CurTeamSelected, std::int16_t(3));
    }
};

QTEST_APPLESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
