#include "options/ScoreboardFile.h"

#include <QtTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace brimley;
using namespace brimley::ScoreboardFile;

namespace brimley {
// Failure output for model comparisons: the model as a save would write it.
char* toString(const Settings& s)
{
    return qstrdup(QByteArray(s.CurrentFile.toUtf8() + "\n" + fileBytes(s)).replace('\x1b', '|').constData());
}
} // namespace brimley

Q_DECLARE_METATYPE(brimley::Settings)
Q_DECLARE_METATYPE(brimley::Team)

namespace {

const QHash<QString, std::int32_t Settings::*> wideFields{
    {"NumLockForce", &Settings::NumLockForce},  {"BackColor", &Settings::BackColor},
    {"LEDColor", &Settings::LEDColor},          {"LEDBackColor", &Settings::LEDBackColor},
    {"TextColor", &Settings::TextColor},        {"PosNameToScore", &Settings::PosNameToScore},
    {"PosImgToScore", &Settings::PosImgToScore}};
const QHash<QString, std::int16_t Settings::*> narrowFields{{"DigitsWide", &Settings::DigitsWide},
                                                            {"HPadding", &Settings::HPadding},
                                                            {"VPadding", &Settings::VPadding},
                                                            {"Spacing", &Settings::Spacing}};

// The defaults with the fields named in `changes` ("DigitsWide=4 Spacing=9") set, and the given teams.
Settings expected(const QString& changes, const QVector<Team>& teams = {Settings::defaultTeam()})
{
    Settings s;
    s.Teams = teams;
    for (const QString& change : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString field = change.section('=', 0, 0);
        const int value = change.section('=', 1).toInt();
        if (wideFields.contains(field))
            s.*wideFields[field] = value;
        else
            s.*narrowFields[field] = static_cast<std::int16_t>(value);
    }
    return s;
}

// File content written with '|' standing in for ESC.
QByteArray file(QByteArray content)
{
    return content.replace('|', '\x1b');
}

Settings readOntoDefaults(const QByteArray& bytes)
{
    Settings settings;
    readBytes(bytes, settings);
    return settings;
}

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

#ifdef Q_OS_LINUX
// Root passes every permission check. While this lives, the calling thread gives up its right to
// override file permissions, so that a read-only folder refuses root as it refuses the operator.
class WithoutPermissionOverride
{
public:
    WithoutPermissionOverride()
    {
        if (syscall(SYS_capget, &header, saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved[0], saved[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        active = syscall(SYS_capset, &header, reduced) == 0;
    }
    ~WithoutPermissionOverride()
    {
        if (active)
            syscall(SYS_capset, &header, saved);
    }

private:
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved[2]{};
    bool active = false;
};

// Stands in for a full disk: no file of this process may grow past `bytes`.
class WithFileSizeLimit
{
public:
    explicit WithFileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~WithFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }

private:
    rlimit saved{};
};
#endif

} // namespace

class tst_ScoreboardFile : public QObject
{
    Q_OBJECT

private slots:
    void defaultsAreWrittenAsTwelveLinesAndTheDefaultTeam()
    {
        QCOMPARE(fileBytes(Settings{}),
                 file("NumLockForce:0\r\nBackColor:4210752\r\nLEDColor:255\r\nLEDBackColor:0\r\n"
                      "TextColor:16777215\r\nPosNameToScore:Top\r\nPosImgToScore:Right\r\nDigitsWide:2\r\n"
                      "HPadding:6\r\nVPadding:6\r\nSpacing:8\r\n---Team Data---\r\nTeam 1||1\r\n"));
    }

    void positionOutsideItsWordsGetsNoLine()
    {
        const QByteArray bytes = fileBytes(expected("PosNameToScore=3 PosImgToScore=1 BackColor=-1"));
        QVERIFY(bytes.contains("\r\nBackColor:-1\r\n"));
        QVERIFY(!bytes.contains("Pos"));
    }

    void modelSurvivesARoundTripThroughTheFile_data()
    {
        QTest::addColumn<Settings>("model");
        QTest::addColumn<QByteArray>("encodedName"); // the first team's name as the file holds it

        // clang-format off
        QTest::newRow("defaults") << Settings{} << QByteArray("Team 1");
        QTest::newRow("every setting changed")
            << expected("NumLockForce=2 BackColor=1193046 LEDColor=65280 LEDBackColor=658188 TextColor=0 "
                        "PosNameToScore=0 PosImgToScore=3 DigitsWide=5 HPadding=0 VPadding=-3 Spacing=32767",
                        {Team{"Reds", "/pics/red.gif", FlagTrue}, Team{"Blues", "", FlagFalse},
                         Team{"Greens: 3", "C:\\My Pictures\\g.jpg", FlagTrue}})
            << QByteArray("Reds");
        QTest::newRow("NumLockForce outside its modes") << expected("NumLockForce=7") << QByteArray("Team 1");
        QTest::newRow("Windows-1252 names stay Windows-1252")
            << expected("", {Team{u8"Café €5 ™", u8"/bilder/Übersicht ÿ.gif", FlagTrue},
                             Team{u8"Œuvre «Ÿ» — ‘x’", "", FlagFalse}})
            << QByteArray("Caf\xe9 \x80" "5 \x99");
        QTest::newRow("other characters make the file UTF-8")
            << expected("", {Team{u8"Café Ωмега 東京 🏀", "", FlagTrue}, Team{u8"€", u8"/kuvat/ä.gif", FlagTrue}})
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

    void separatorCharactersInNamesBecomeBlanksSoNoTeamIsLost_data()
    {
        QTest::addColumn<Team>("team");
        QTest::addColumn<Team>("readBack");
        QTest::newRow("ESC in name") << Team{"A\x1b"
                                             "B",
                                             "", FlagFalse}
                                     << Team{"A B", "", FlagFalse};
        QTest::newRow("CR LF in name") << Team{"A\r\nB", "", FlagTrue} << Team{"A  B", "", FlagTrue};
        QTest::newRow("LF and ESC in path")
            << Team{"T", "/x\n\x1by", FlagTrue} << Team{"T", "/x  y", FlagTrue};
    }
    void separatorCharactersInNamesBecomeBlanksSoNoTeamIsLost()
    {
        QFETCH(Team, team);
        const Settings read = readOntoDefaults(
            fileBytes(expected("", {Team{"First", "", FlagTrue}, team, Team{"Last", "", FlagTrue}})));
        QFETCH(Team, readBack);
        QCOMPARE(read.Teams,
                 (QVector<Team>{Team{"First", "", FlagTrue}, readBack, Team{"Last", "", FlagTrue}}));
    }

    void handEditedFilesAreReadAsFarAsTheyMakeSense_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Settings>("expected");
        const QByteArray teams = "---Team Data---\r\nA||1\r\n";
        const QVector<Team> teamA{Team{"A", "", FlagTrue}};

        // clang-format off
        QTest::newRow("reverse order, lines missing") << file("Spacing:9\r\nPosImgToScore:Left\r\nTextColor:5\r\n" + teams)
                                                      << expected("Spacing=9 PosImgToScore=3 TextColor=5", teamA);
        QTest::newRow("LF line ends") << file("DigitsWide:4\n---Team Data---\nA||1\nB|/b.gif|0\n")
                                      << expected("DigitsWide=4", {Team{"A", "", FlagTrue}, Team{"B", "/b.gif", FlagFalse}});
        QTest::newRow("CR line ends") << file("DigitsWide:4\r---Team Data---\rA||1") << expected("DigitsWide=4", teamA);
        QTest::newRow("later line wins") << file("BackColor:1\r\nBackColor:2\r\n" + teams) << expected("BackColor=2", teamA);
        QTest::newRow("position words") << file("PosNameToScore:None\r\nPosImgToScore:None\r\n" + teams)
                                        << expected("PosNameToScore=0 PosImgToScore=0", teamA);
        QTest::newRow("position words are case-sensitive") << file("PosNameToScore:bottom\r\nPosImgToScore:LEFT\r\n" + teams)
                                                           << expected("", teamA);
        QTest::newRow("blank before the colon") << file("DigitsWide :5\r\n" + teams) << expected("", teamA);
        QTest::newRow("key ends at the first colon") << file("PosNameToScore:Bottom:x\r\nNoColon\r\n:7\r\n" + teams)
                                                     << expected("", teamA);
        QTest::newRow("no separator: last line not applied") << file("DigitsWide:3\r\nSpacing:1\r\nA||1\r\n")
                                                             << expected("DigitsWide=3 Spacing=1");
        QTest::newRow("ends with the separator") << file("HPadding:1\r\n---Team Data---\r\n") << expected("HPadding=1");
        QTest::newRow("empty file") << QByteArray() << Settings{};
        QTest::newRow("third field: -1 and empty shown, 0 hidden")
            << file("---Team Data---\r\nA||-1\r\nB|/b.gif|0\r\nC||\r\n")
            << expected("", {Team{"A", "", FlagTrue}, Team{"B", "/b.gif", FlagFalse}, Team{"C", "", FlagTrue}});
        QTest::newRow("lines without three fields take no index") << file("---Team Data---\r\nA||1\r\n\r\nX\r\nY||1|\r\nB||0\r\n")
                                                                  << expected("", {Team{"A", "", FlagTrue}, Team{"B", "", FlagFalse}});
        QTest::newRow("no valid team line: default team") << file("---Team Data---\r\nA|1\r\n") << Settings{};
        QTest::newRow("UTF-8 with byte-order mark") << file("\xef\xbb\xbfSpacing:3\r\n---Team Data---\r\n\xc3\xa9||1\r\n")
                                                    << expected("Spacing=3", {Team{u8"é", "", FlagTrue}});
        QTest::newRow("not UTF-8: Windows-1252") << file("---Team Data---\r\n\xc3\xa9\x80||1\r\n")
                                                 << expected("", {Team{u8"Ã©€", "", FlagTrue}});
        // clang-format on
    }
    void handEditedFilesAreReadAsFarAsTheyMakeSense()
    {
        QFETCH(QByteArray, content);
        QTEST(readOntoDefaults(content), "expected");
    }

    void numbersAreConvertedOrTheLineIgnored_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<qint64>("expected"); // the setting after reading; its default when ignored

        // clang-format off
        QTest::newRow("blanks around") << "TextColor: 255 " << qint64(255);
        QTest::newRow("fraction rounds to even") << "NumLockForce:2.5" << qint64(2);
        QTest::newRow("32-bit minimum") << "LEDBackColor:-2147483648" << qint64(-2147483648LL);
        QTest::newRow("beyond 32 bits: ignored") << "LEDColor:2147483648" << qint64(255);
        QTest::newRow("not a number: ignored") << "BackColor:12abc" << qint64(0x404040);
        QTest::newRow("empty: ignored") << "BackColor:" << qint64(0x404040);
        QTest::newRow("number then words") << "DigitsWide:3 digits" << qint64(3);
        QTest::newRow("letters only give 0") << "DigitsWide:abc" << qint64(0);
        QTest::newRow("2.5 gives 2") << "DigitsWide:2.5" << qint64(2);
        QTest::newRow("3.5 gives 4") << "DigitsWide:3.5" << qint64(4);
        QTest::newRow("leading blanks, negative half") << "HPadding:  -1.5px" << qint64(-2);
        QTest::newRow("exponent") << "VPadding:1e2" << qint64(100);
        QTest::newRow("16-bit maximum") << "Spacing:32767.4" << qint64(32767);
        QTest::newRow("rounds past 16 bits: ignored") << "Spacing:32767.5" << qint64(8);
        QTest::newRow("beyond 16 bits: ignored") << "HPadding:40000" << qint64(6);
        QTest::newRow("far beyond any width: ignored") << "VPadding:1e400" << qint64(6);
        // clang-format on
    }
    void numbersAreConvertedOrTheLineIgnored()
    {
        QFETCH(QString, line);
        const Settings s = readOntoDefaults(line.toLatin1() + "\r\n---Team Data---\r\n");
        const QString key = line.section(':', 0, 0);
        QTEST(wideFields.contains(key) ? qint64(s.*wideFields[key]) : qint64(s.*narrowFields[key]),
              "expected");
    }

    void windows1252HasItsOwnTable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("euro") << u8"€" << QByteArray("\x80");
        QTest::newRow("quotes, dashes") << u8"‚„‘’“”–—" << QByteArray("\x82\x84\x91\x92\x93\x94\x96\x97");
        QTest::newRow("letters") << u8"ƒŠŒŽšœžŸ" << QByteArray("\x83\x8a\x8c\x8e\x9a\x9c\x9e\x9f");
        QTest::newRow("signs") << u8"…†‡ˆ‰‹•˜™›" << QByteArray("\x85\x86\x87\x88\x89\x8b\x95\x98\x99\x9b");
        QTest::newRow("Latin-1 range") << u8"\u00a0é×ÿ" << QByteArray("\xa0\xe9\xd7\xff");
    }
    void windows1252HasItsOwnTable()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QVERIFY(isWindows1252(text));
        QCOMPARE(toWindows1252(text), bytes);
        QCOMPARE(fromWindows1252(bytes), text);
    }

    void everyByteSurvivesWindows1252()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(toWindows1252(fromWindows1252(all)), all);
        QVERIFY(!isWindows1252(QStringLiteral("\u0080")));
        QVERIFY(!isWindows1252(QStringLiteral("\u0100")));
    }

    void utf8IsRecognisedOnlyWhenWellFormedAndMultiByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ASCII only") << QByteArray("Team 1") << false;
        QTest::newRow("two-byte") << QByteArray("Caf\xc3\xa9") << true;
        QTest::newRow("Windows-1252 letter") << QByteArray("Caf\xe9") << false;
        QTest::newRow("overlong") << QByteArray("\xc0\xaf") << false;
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
        QTest::newRow("cut short at the end") << QByteArray("\xc3\xa9\xe2\x82") << false;
    }
    void utf8IsRecognisedOnlyWhenWellFormedAndMultiByte()
    {
        QFETCH(QByteArray, bytes);
        QTEST(looksLikeUtf8(bytes), "utf8");
    }

    void savedFileReplacesTheOldOneAndOpensAsTheSameModel()
    {
        QTemporaryDir dir;
        Settings saved = expected("Spacing=3", {Team{"A", "/a.gif", FlagFalse}, Team{"B", "", FlagTrue}});
        saved.CurrentFile = dir.filePath("quiz.brm");
        QVERIFY(writeBytes(saved.CurrentFile, QByteArray(5000, 'x')));
        OptionsWindowState options;
        options.FileChanged = FlagTrue;

        QVERIFY(SaveFile(saved, options));
        QCOMPARE(options.FileChanged, FlagFalse);
        QCOMPARE(contentOf(saved.CurrentFile), fileBytes(saved));

        Settings current = expected("DigitsWide=5");
        options.FileChanged = FlagTrue;
        QVERIFY(OpenFile(saved.CurrentFile, current, options));
        QCOMPARE(current, saved);
        QCOMPARE(options.FileChanged, FlagFalse);
    }

    void failedSaveKeepsTheOldFileAndFileChanged_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("missing folder") << "missing folder";
        QTest::newRow("read-only folder") << "read-only folder";
        QTest::newRow("full disk") << "full disk";
    }
    void failedSaveKeepsTheOldFileAndFileChanged()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        const QString folder = dir.filePath("quizzes");
        QVERIFY(QDir().mkdir(folder));
        const QByteArray old = "the previous file";
        QVERIFY(writeBytes(folder + "/quiz.brm", old));
        Settings s = expected("", {Team{QString(200, 'n'), QString(200, 'p'), FlagTrue}});
        s.CurrentFile = failure == "missing folder" ? dir.filePath("gone/quiz.brm") : folder + "/quiz.brm";
        OptionsWindowState options;
        options.FileChanged = FlagTrue;

        Result result;
        {
#ifdef Q_OS_LINUX
            WithoutPermissionOverride unprivileged;
            std::optional<WithFileSizeLimit> limit;
            if (failure == "full disk")
                limit.emplace(100);
#else
            if (failure == "full disk")
                QSKIP("a full disk is simulated only on Linux");
#endif
            if (failure == "read-only folder") {
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
                if (writeBytes(folder + "/probe", "x")) {
                    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                    QSKIP("this process may write into read-only folders, so none can fail a save");
                }
            }
            result = SaveFile(s, options);
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QVERIFY(!result);
        QVERIFY2(!result.reason.isEmpty(), "a failed save names its reason");
        QCOMPARE(options.FileChanged, FlagTrue);
        QCOMPARE(contentOf(folder + "/quiz.brm"), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"quiz.brm"}); // no temporary file left
    }

    void unreadableFileChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("a folder") << "a folder";
        QTest::newRow("no read permission") << "no read permission";
        QTest::newRow("far too large") << "far too large";
        QTest::newRow("endless device") << "/dev/zero";
    }
    void unreadableFileChangesNothing()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = kind.startsWith("/dev/") ? kind : dir.filePath("quiz.brm");
        if (kind == "a folder")
            QVERIFY(QDir().mkdir(path));
        if (kind == "no read permission") {
            QVERIFY(writeBytes(path, "Spacing:1\r\n---Team Data---\r\n"));
            QFile::setPermissions(path, QFile::WriteOwner);
        }
        if (kind == "far too large") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(100LL * 1024 * 1024)); // sparse: costs no disk
        }
        const Settings before = expected("Spacing=1", {Team{"X", "/x.gif", FlagFalse}});
        Settings current = before;
        OptionsWindowState options;
        options.FileChanged = FlagTrue;

        Result result;
        {
#ifdef Q_OS_LINUX
            WithoutPermissionOverride unprivileged;
#endif
            if (kind == "no read permission" && QFile(path).open(QIODevice::ReadOnly))
                QSKIP("this process may read what permissions forbid");
            result = OpenFile(path, current, options);
        }
        QVERIFY(!result);
        QVERIFY2(!result.reason.isEmpty(), "a failed open names its reason");
        QCOMPARE(current, before);
        QCOMPARE(options.FileChanged, FlagTrue);
    }
};

QTEST_APPLESS_MAIN(tst_ScoreboardFile)
#include "tst_ScoreboardFile.moc"
