// The model and its file: the defaults, the rounding every stored number goes through, what a file holds
// and what is read back from it, and the Windows-1252 table its names may use.

#include "app/Numbers.h"
#include "options/ScoreboardFile.h"
#include "platform/Windows1252.h"
#include "support/TestFiles.h"

#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace brimley;
using namespace brimley::ScoreboardFile;

Q_DECLARE_METATYPE(brimley::Settings)

namespace {

const QByteArray DefaultLines = "NumLockForce:0\r\nBackColor:4210752\r\nLEDColor:255\r\nLEDBackColor:0\r\n"
                                "TextColor:16777215\r\nPosNameToScore:Top\r\nPosImgToScore:Right\r\n"
                                "DigitsWide:2\r\nHPadding:6\r\nVPadding:6\r\nSpacing:8\r\n";

// File content written with '|' standing in for ESC.
QByteArray file(QByteArray content)
{
    return content.replace('|', '\x1b');
}

// What a save writes for the defaults with the given lines in place of theirs ("Spacing:4 TextColor:5")
// and the given team lines.
QByteArray saved(const QByteArray& lines, const QByteArray& teams = "Team 1||1\r\n")
{
    QByteArray text = "\n" + DefaultLines;
    for (const QByteArray& line : lines.split(' ')) {
        if (line.isEmpty())
            continue;
        const qsizetype at = text.indexOf("\n" + line.left(line.indexOf(':') + 1)) + 1;
        text.replace(at, text.indexOf('\r', at) - at, line);
    }
    return file(text.mid(1) + "---Team Data---\r\n" + teams);
}

Settings withTeams(const QVector<Team>& teams)
{
    Settings settings;
    settings.Teams = teams;
    return settings;
}

Settings readOntoDefaults(const QByteArray& bytes)
{
    Settings settings;
    readBytes(bytes, settings);
    return settings;
}

} // namespace

class tst_ScoreboardFile : public QObject
{
    Q_OBJECT

private slots:
    // SetDefaults gives the defaults (their values are read back from a file below) and one shown team
    // without a picture, keeps the open file and clears only FileChanged.
    void setDefaultsKeepsOnlyTheOpenFile()
    {
        Settings settings{2, 1, 2, 3, 4, SideNone, SideLeft, 4, 20, 0, 1, "/quiz/final.brm", {}};
        settings.Teams.fill(Team{"T", "/p.gif", FlagFalse}, 5);
        OptionsWindowState options{FlagTrue, 3, FlagTrue};
        SetDefaults(settings, options);
        Settings expected;
        expected.CurrentFile = "/quiz/final.brm";
        QCOMPARE(settings, expected);
        QCOMPARE(expected.Teams, QList<Team>({Team{"Team 1", "", FlagTrue}}));
        QVERIFY(options.FileChanged == FlagFalse && options.CurTeamSelected == 3 &&
                options.UnloadDoNotAskToSave == FlagTrue);
    }

    // Halves go to the even neighbour; 16-bit values saturate instead of wrapping; NaN and values
    // beyond 64 bits saturate rather than being undefined.
    void roundsHalvesToEvenAndSaturates_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::addColumn<int>("stored16");
        constexpr qint64 max = std::numeric_limits<qint64>::max(), min = std::numeric_limits<qint64>::min();
        QTest::newRow("2.5 down") << 2.5 << qint64(2) << 2;
        QTest::newRow("3.5 up") << 3.5 << qint64(4) << 4;
        QTest::newRow("-2.5 towards zero") << -2.5 << qint64(-2) << -2;
        QTest::newRow("just above a half") << 2.5000001 << qint64(3) << 3;
        QTest::newRow("32766.5, rounded first") << 32766.5 << qint64(32766) << 32766;
        QTest::newRow("a 4K window in twips") << 57600.0 << qint64(57600) << 32767;
        QTest::newRow("negative over 16 bits") << -40000.0 << qint64(-40000) << -32768;
        QTest::newRow("NaN") << std::nan("") << qint64(0) << 0;
        QTest::newRow("huge") << 1e300 << max << 32767;
        QTest::newRow("huge negative") << -1e300 << min << -32768;
    }
    void roundsHalvesToEvenAndSaturates()
    {
        QFETCH(double, value);
        QTEST(qint64(roundHalfEven(value)), "rounded");
        QTEST(int(roundTo16(value)), "stored16");
    }

    // Every byte is a character and comes back from it: Latin-1 but for 0x80 to 0x9F, where the five
    // undefined bytes are control characters. Characters without a byte are written as '?'.
    void windows1252BytesAndCharacters()
    {
        QByteArray all(256, 0);
        std::iota(all.begin(), all.end(), 0);
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.left(0x80) + text.mid(0xA0), QString::fromLatin1(all.left(0x80) + all.mid(0xA0)));
        QCOMPARE(text.mid(0x80, 32),
                 QString::fromUtf8(u8"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ"));
        QVERIFY(Windows1252::isRepresentable(text));
        QCOMPARE(Windows1252::encode(text), all);
        const QString foreign = QStringLiteral("a\u0080b\u0100\u0153Я\u2015"); // 0x80 is the euro sign's
        QVERIFY(!Windows1252::isRepresentable(foreign));
        QCOMPARE(Windows1252::encode(foreign), QByteArray("a?b?\x9C??"));
    }

    void modelSurvivesARoundTripThroughTheFile_data()
    {
        QTest::addColumn<Settings>("model");
        QTest::addColumn<QByteArray>("encodedName"); // the first team's name as the file holds it
        // clang-format off
        QTest::newRow("every setting changed") // every field, in the order of the file's lines
            << Settings{2, 0x123456, 0x00FF00, 0x0A0B0C, 0, SideNone, SideLeft, 5, 0, -3, 32767, {},
                        {{"Reds", "/pics/red.gif", FlagTrue}, {"Blues", "", FlagFalse},
                         {"Greens: 3", "C:\\My Pictures\\g.jpg", FlagTrue}}}
            << QByteArray("Reds");
        QTest::newRow("Windows-1252 names stay Windows-1252")
            << withTeams({{u8"Café €5 ™", u8"/bilder/Übersicht ÿ.gif", FlagTrue}, {u8"Œuvre «Ÿ» — ‘x’", "", FlagFalse}})
            << QByteArray("Caf\xe9 \x80" "5 \x99");
        QTest::newRow("Windows-1252 bytes that would read as UTF-8: the file is UTF-8")
            << withTeams({{u8"Ã©", "", FlagTrue}}) << QByteArray("\xc3\x83\xc2\xa9");
        QTest::newRow("other characters make the whole file UTF-8")
            << withTeams({{u8"Café Ωмега 東京 🏀", "", FlagTrue}, {u8"€", u8"/kuvat/ä.gif", FlagTrue}})
            << QByteArray(u8"Café Ωмега 東京 🏀");
        // clang-format on
    }
    void modelSurvivesARoundTripThroughTheFile()
    {
        QFETCH(Settings, model);
        QFETCH(QByteArray, encodedName);
        const QByteArray bytes = fileBytes(model);
        QVERIFY(bytes.contains("---Team Data---\r\n" + encodedName + '\x1b'));
        QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));
        QCOMPARE(readOntoDefaults(bytes), model);
    }

    // Whatever a name or path holds (other than the separators below), it reads back as it was written.
    void randomNamesSurviveARoundTrip()
    {
        const std::u32string pool = U"aZ09 :|-Ã©Â£€‚ŸÿþœŠ\u0081\u008d\u009d\u00a0Ωж東🏀\t\u0001";
        QRandomGenerator random(20261207);
        const auto text = [&] {
            QString made;
            for (int length = random.bounded(0, 8); length > 0; --length)
                made += QString::fromUcs4(&pool[random.bounded(int(pool.size()))], 1);
            return made;
        };
        for (int round = 0; round < 2000; ++round) {
            Settings settings = withTeams({});
            for (int teams = random.bounded(1, 4); teams > 0; --teams)
                settings.Teams.append(Team{text(), text(), random.bounded(2) ? FlagTrue : FlagFalse});
            QVERIFY2(readOntoDefaults(fileBytes(settings)) == settings,
                     qPrintable(settings.Teams[0].TeamName));
        }
    }

    // ESC, CR and LF in a name become blanks, so that no team is lost; a position that is none of its
    // words gets no line, and so reads back as the default.
    void whatALineCannotHoldIsBlankedOrLeftOut()
    {
        const Team first{"First", "", FlagTrue};
        Settings odd = withTeams({first, {"A\033B\r\n", "/x\n\033y", FlagFalse}, first});
        odd.PosNameToScore = SideLeft;
        odd.PosImgToScore = SideTop;
        QVERIFY(!fileBytes(odd).contains("Pos"));
        QCOMPARE(readOntoDefaults(fileBytes(odd)), withTeams({first, {"A B  ", "/x  y", FlagFalse}, first}));
    }

    // Read, then saved again. Colours and the NumLock mode take a number and nothing else; the other
    // settings take the number a value starts with, and 0 for a value that starts with none. Halves
    // round to even. A line that cannot be used leaves the default.
    void handEditedFilesAreReadAsFarAsTheyMakeSense_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("saved");
        const QByteArray teams = "---Team Data---\r\nA||1\r\n";
        // clang-format off
        const auto alone = [](const char* line) { return QByteArray(line) + "\r\n---Team Data---\r\n"; };
        QTest::newRow("any order, lines missing, later line wins")
            << file("Spacing:9\r\nPosImgToScore:Left\r\nTextColor:5\r\nSpacing:4\r\n" + teams)
            << saved("TextColor:5 PosImgToScore:Left Spacing:4", "A||1\r\n");
        QTest::newRow("LF line ends") << file("DigitsWide:4\n---Team Data---\nA||1\nB|/b.gif|0\n")
                                      << saved("DigitsWide:4", "A||1\r\nB|/b.gif|0\r\n");
        QTest::newRow("CR line ends") << file("DigitsWide:4\r---Team Data---\rA||1") << saved("DigitsWide:4", "A||1\r\n");
        QTest::newRow("keys and words exactly, up to the first colon")
            << file("PosNameToScore:bottom\r\nPosImgToScore:Left:x\r\nDigitsWide :5\r\nNoColon\r\n:7\r\n" + teams)
            << saved("", "A||1\r\n");
        QTest::newRow("no separator: last line not applied") << file("DigitsWide:3\r\nSpacing:1\r\n") << saved("DigitsWide:3");
        QTest::newRow("third field: -1 and empty shown, 0 hidden") << file("---Team Data---\r\nA||-1\r\nB|/b.gif|0\r\nC||\r\n")
                                                                   << saved("", "A||1\r\nB|/b.gif|0\r\nC||1\r\n");
        QTest::newRow("lines without three fields take no index") << file("---Team Data---\r\nA||1\r\n\r\nX\r\nY||1|\r\nB||0\r\n")
                                                                  << saved("", "A||1\r\nB||0\r\n");
        QTest::newRow("no valid team line: default team") << file("---Team Data---\r\nA|1\r\n") << saved("");
        QTest::newRow("UTF-8 with byte-order mark") << file("\xef\xbb\xbf" "DigitsWide:3\r\n---Team Data---\r\n\xc3\xa9||1\r\n")
                                                    << saved("DigitsWide:3", "\xe9||1\r\n");
        // UTF-8 only when it is well-formed: no stray continuation byte, overlong form, surrogate, value
        // past U+10FFFF or sequence cut short by the end of the file.
        const auto windows1252 = [](const char* name, const QByteArray& team, const QByteArray& written) {
            QTest::newRow(name) << file("---Team Data---\r\n" + team) << saved("", written + "||1\r\n");
        };
        windows1252("not UTF-8: Windows-1252", "\xc3\xa9\x80||1", "\xc3\xa9\x80");
        windows1252("overlong UTF-8", "\xc0\xaf||1", "\xc0\xaf");
        windows1252("overlong UTF-8 of three bytes", "\xe0\x80\xaf||1", "\xe0\x80\xaf");
        windows1252("UTF-8 of a surrogate", "\xed\xa0\x80||1", "\xed\xa0\x80");
        windows1252("UTF-8 beyond U+10FFFF", "\xf4\x90\x80\x80||1", "\xf4\x90\x80\x80");
        windows1252("UTF-8 cut short", "\xc3\xa9||1\xe2\x82", "\xc3\x83\xc2\xa9"); // saved as UTF-8
        QTest::newRow("blanks around a colour") << alone("TextColor: 255 ") << saved("TextColor:255");
        QTest::newRow("2.5 rounds to 2") << alone("NumLockForce:2.5") << saved("NumLockForce:2");
        QTest::newRow("32-bit minimum") << alone("LEDBackColor:-2147483648") << saved("LEDBackColor:-2147483648");
        QTest::newRow("beyond 32 bits: ignored") << alone("LEDColor:2147483648") << saved("LEDColor:255");
        QTest::newRow("colour not only a number: ignored") << alone("BackColor:12abc") << saved("BackColor:4210752");
        QTest::newRow("number then words") << alone("DigitsWide:3 digits") << saved("DigitsWide:3");
        QTest::newRow("letters only give 0") << alone("DigitsWide:abc") << saved("DigitsWide:0");
        QTest::newRow("leading blanks, negative half") << alone("HPadding:  -1.5px") << saved("HPadding:-2");
        QTest::newRow("16-bit maximum") << alone("Spacing:32767.4") << saved("Spacing:32767");
        QTest::newRow("rounds past 16 bits: ignored") << alone("Spacing:32767.5") << saved("Spacing:8");
        QTest::newRow("far beyond any width: ignored") << alone("VPadding:1e400") << saved("VPadding:6");
        // clang-format on
    }
    void handEditedFilesAreReadAsFarAsTheyMakeSense()
    {
        QFETCH(QByteArray, content);
        QTEST(fileBytes(readOntoDefaults(content)), "saved");
    }

    // A full disk must not leave a cut-short file in place of the old one.
    void aSaveThatRunsOutOfDiskKeepsTheOldFile()
    {
#ifdef Q_OS_LINUX
        QTemporaryDir dir;
        const QString file = dir.filePath("quiz.brm");
        QVERIFY(TestFiles::write(file, "the previous file"));
        // No file of this process may grow past 100 bytes while it saves.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit limited{100, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
        const Team big{QString(200, 'n'), QString(200, 'p'), FlagTrue};
        const Result result = writeFile(withTeams({big}), file);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!result);
        QVERIFY2(!result.reason.isEmpty(), "a failed save names its reason");
        QCOMPARE(TestFiles::contentOf(file), QByteArray("the previous file"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"quiz.brm"}); // no temporary file left
#else
        QSKIP("a full disk is simulated only on Linux");
#endif
    }

    void unreadableFileChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        // An endless device, and a FIFO nobody writes to, would keep the program waiting.
        for (const char* kind : {"a folder", "far too large", "/dev/zero", "a FIFO"})
            QTest::newRow(kind) << kind;
    }
    void unreadableFileChangesNothing()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = kind.startsWith("/dev/") ? kind : dir.filePath("quiz.brm");
        if (kind == "a folder")
            QVERIFY(QDir().mkdir(path));
#ifdef Q_OS_UNIX
        if (kind == "a FIFO")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
        QFile large(path);
        if (kind == "far too large") // sparse: costs no disk
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(100LL * 1024 * 1024));
        const Settings before = withTeams({{"X", "/x.gif", FlagFalse}});
        Settings current = before;
        OptionsWindowState options;
        options.FileChanged = FlagTrue;
        const Result result = OpenFile(path, current, options);
        QVERIFY(!result);
        QVERIFY2(!result.reason.isEmpty(), "a failed open names its reason");
        QCOMPARE(current, before);
        QCOMPARE(options.FileChanged, FlagTrue);
    }
};

QTEST_APPLESS_MAIN(tst_ScoreboardFile)
#include "tst_ScoreboardFile.moc"
