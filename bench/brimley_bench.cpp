// Speed figures of the program, measured by Google Benchmark. Keep the benchmark names stable: they are
// compared from one version to the next.
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.

#include "app/Settings.h"
#include "console/frmConsole.h"
#include "led/NumberLED.h"
#include "platform/ProgramDirectory.h"
#include "platform/RtfReader.h"
#include "scoreboard/Game.h"
#include "scoreboard/PictureCache.h"
#include "scoreboard/ScoreRecovery.h"
#include "scoreboard/frmScoreboard.h"
#include "scoreboard/modCenterObjects.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include <memory>

using namespace brimley;

namespace {

void setShownTeams(int count, const QStringList& pictures = {})
{
    SetDefaults();
    model().Teams.clear();
    for (int i = 0; i < count; ++i)
        model().Teams.append(Team{QStringLiteral("Team %1").arg(i + 1), pictures.value(i), FlagTrue});
}

// A scoreboard window of its own for each benchmark, shown at the given size.
std::unique_ptr<frmScoreboard> shownScoreboard(QSize size)
{
    auto scoreboard = std::make_unique<frmScoreboard>();
    scoreboard->resize(size);
    scoreboard->show();
    scoreboard->UpdateForm();
    return scoreboard;
}

void BM_LayoutGrid(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(modCenterObjects::LayoutGrid(n, 1500, 2400, 8000, 12000));
}
BENCHMARK(BM_LayoutGrid)->Arg(163);

// A rebuild after the window's size changed, as when the operator drags its edge: two sizes in turn.
void rebuildAfterResize(benchmark::State& state, const QStringList& pictures)
{
    const int teams = static_cast<int>(state.range(0));
    setShownTeams(teams, pictures);
    auto scoreboard = shownScoreboard({1280, 720});
    const QSize sizes[2] = {{1280, 720}, {1296, 730}};
    int turn = 0;
    for (auto _ : state) {
        scoreboard->resize(sizes[turn ^= 1]); // the resize runs the rebuild
        QCoreApplication::processEvents();
    }
    state.counters["cells"] = scoreboard->TotalObjs();
}

void BM_Rebuild(benchmark::State& state)
{
    rebuildAfterResize(state, {});
}
BENCHMARK(BM_Rebuild)->Arg(1)->Arg(40)->Arg(163)->Unit(benchmark::kMillisecond);

QStringList generatedPhotos(const QDir& folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QImage photo(4000, 3000, QImage::Format_RGB32);
        QPainter painter(&photo);
        painter.fillRect(photo.rect(), QColor::fromHsv((i * 37) % 360, 160, 200));
        painter.setBrush(QColor::fromHsv((i * 37 + 180) % 360, 200, 120));
        painter.drawEllipse(QRect(800, 400, 2400, 2200));
        painter.end();
        const QString path = folder.filePath(QStringLiteral("team%1.jpg").arg(i));
        photo.save(path, "JPEG", 85);
        paths.append(path);
    }
    return paths;
}

void BM_RebuildPictures(benchmark::State& state)
{
    static QTemporaryDir folder;
    static const QStringList photos = generatedPhotos(QDir(folder.path()), 40);
    PictureCache::instance().clear();
    rebuildAfterResize(state, photos.mid(0, static_cast<int>(state.range(0))));
}
BENCHMARK(BM_RebuildPictures)->Arg(40)->Unit(benchmark::kMillisecond);

void BM_PaintScoreboard(benchmark::State& state)
{
    setShownTeams(static_cast<int>(state.range(0)));
    auto scoreboard = shownScoreboard({3840, 2160});
    QImage frame(scoreboard->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        scoreboard->render(&frame);
        benchmark::DoNotOptimize(frame.bits());
    }
}
BENCHMARK(BM_PaintScoreboard)->Arg(40)->Unit(benchmark::kMillisecond);

// A digit typed in the operator's console until the board has repainted the score: the console's key,
// the score entry, the display and the repaint of the board's changed display.
void BM_ConsoleKeyToBoard(benchmark::State& state)
{
    setShownTeams(static_cast<int>(state.range(0)));
    Game::instance().reset();
    auto scoreboard = shownScoreboard({1920, 1080});
    auto console = std::make_unique<frmConsole>();
    console->attach(scoreboard.get());
    console->show();
    QCoreApplication::processEvents();
    const Qt::Key digits[2] = {Qt::Key_1, Qt::Key_2};
    int turn = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, digits[turn ^= 1], Qt::NoModifier, QString());
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString());
        QCoreApplication::sendEvent(console.get(), &press);
        QCoreApplication::sendEvent(console.get(), &release);
        QCoreApplication::sendEvent(console.get(), &enter);
        scoreboard->repaint();
    }
    console->close();
}
BENCHMARK(BM_ConsoleKeyToBoard)->Arg(40)->Unit(benchmark::kMillisecond);

// The console's picture of what the audience sees, from a 4K board.
void BM_ConsoleThumbnail(benchmark::State& state)
{
    setShownTeams(static_cast<int>(state.range(0)));
    auto scoreboard = shownScoreboard({3840, 2160});
    for (auto _ : state)
        benchmark::DoNotOptimize(frmConsole::thumbnailOf(scoreboard.get(), {384, 216}).bits());
}
BENCHMARK(BM_ConsoleThumbnail)->Arg(40)->Unit(benchmark::kMillisecond);

// The standings of 40 teams on a 4K board, built from the scores and painted.
void BM_Standings(benchmark::State& state)
{
    setShownTeams(static_cast<int>(state.range(0)));
    Game::instance().reset();
    for (const Team& team : model().Teams)
        Game::instance().setScore(team.Identity, QString::number(team.Identity % 90));
    auto scoreboard = shownScoreboard({3840, 2160});
    QImage frame(scoreboard->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        scoreboard->ShowStandings(false);
        scoreboard->render(&frame);
        scoreboard->HideStandings();
        benchmark::DoNotOptimize(frame.bits());
    }
}
BENCHMARK(BM_Standings)->Arg(40)->Unit(benchmark::kMillisecond);

// A word processor's document of about the given size, marked up as such programs write it: font,
// colour, style and list tables; every run of text in its own group with revision marks and the full
// set of language and font properties; escapes and Unicode; bulleted lists, table rows and a picture
// in each section, which makes up much of the file as it does in real documents.
QByteArray generatedRtf(qsizetype size)
{
    QByteArray rtf(
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset0 Arial;}{\\f2\\fcharset2 Symbol;}{\\f3\\fmodern Courier New;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red31\\green56\\blue100;\\red192\\green0\\blue0;}\n"
        "{\\stylesheet{\\s0 Normal;}{\\s1\\b\\fs32 heading 1;}}{\\info{\\title Generated}}\n");
    const QByteArray heading(
        "\\pard\\plain\\s1\\sb240\\sa120\\keepn\\outlinelevel0\\f1\\fs32\\b\\cf2 Round %1 of "
        "the county quiz league\\par\n");
    const QByteArray run(
        "{\\rtlch\\fcs1 \\af0\\afs22 \\ltrch\\fcs0 \\f0\\fs22\\lang2057\\langfe1033\\insrsid7342 ");
    const QByteArray paragraph =
        "\\pard\\plain\\ltrpar\\qj\\li0\\ri0\\sa160\\sl259\\slmult1\\widctlpar\\wrapdefault\\aspalpha\\aspnum"
        "\\faauto\\adjustright\\rin0\\lin0\\itap0\\pararsid7342\n" +
        run + "The host reads the question twice, then the teams have thirty seconds. }\n" + run +
        "\\b Caf\\'e9 Quizzers}" + run + " scored }" + run + "\\i twelve}" + run +
        " points \\u8212\\'97 two more "
        "than }" +
        run + "\\cf3\\ul Le Mans}" + run +
        "\\rquote s team, who answered \\ldblquote Paris\\rdblquote "
        ".}\\par\n";
    const QByteArray bullet(
        "\\pard\\plain\\li720\\fi-360\\sa60\\f0\\fs22{\\pntext\\f2\\'B7\\tab}{\\*\\pn"
        "\\pnlvlblt\\pnf2{\\pntxtb\\'B7}}Bonus question for the {\\b leading} team\\par\n");
    const QByteArray row("\\trowd\\trgaph108\\cellx3000\\cellx6000\\pard\\intbl\\f3\\fs20 Team %1\\cell "
                         "{\\b 42}\\cell\\row\n");
    const QByteArray picture = "{\\*\\shppict{\\pict\\pngblip\\picw400\\pich300 " +
                               QByteArray("89504e470d0a1a0a0000000d49484452").repeated(400) + "}}\n";
    for (int round = 1; rtf.size() < size; ++round) {
        rtf += QByteArray(heading).replace("%1", QByteArray::number(round));
        for (int i = 0; i < 6; ++i)
            rtf += paragraph;
        for (int i = 0; i < 4; ++i)
            rtf += bullet;
        for (int i = 0; i < 6; ++i)
            rtf += QByteArray(row).replace("%1", QByteArray::number(i + 1));
        rtf += picture;
    }
    return rtf + "}";
}

// The help document as the help window reads it: from its file next to the program.
void BM_RtfRead_help(benchmark::State& state)
{
    const QString path = ProgramDirectory::file(QStringLiteral("brimleyhelpfile.rtf"));
    if (!QFile::exists(path)) {
        state.SkipWithError("the help document is not next to the benchmark program");
        return;
    }
    for (auto _ : state) {
        QTextDocument document;
        benchmark::DoNotOptimize(RtfReader::readFile(path, document));
    }
    state.SetBytesProcessed(state.iterations() * QFileInfo(path).size());
}

void BM_RtfRead_large(benchmark::State& state)
{
    static const QByteArray rtf = generatedRtf(5 * 1024 * 1024);
    qsizetype characters = 0;
    for (auto _ : state) {
        QTextDocument document;
        if (RtfReader::read(rtf, document) != RtfReader::Status::Read) {
            state.SkipWithError("the document was not read whole");
            return;
        }
        characters = document.characterCount();
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
    state.counters["characters"] = static_cast<double>(characters);
}
BENCHMARK(BM_RtfRead_help)->Name("BM_RtfRead/help")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfRead_large)->Name("BM_RtfRead/large")->Unit(benchmark::kMillisecond);

// The save that follows every score change: the recovery of a full scoreboard, written whole and
// committed, in a folder on the disk that temporary files go to.
void BM_RecoveryWrite(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("recovery.scores"));
    ScoreRecovery::Recovery recovery{
        QStringLiteral("/home/quizmaster/Quizzes/County league final.brm"), QDateTime::currentDateTime(), {}};
    for (int i = 0; i < state.range(0); ++i) {
        recovery.teams.append({i, QStringLiteral("Team %1 of the county league").arg(i + 1),
                               QStringLiteral("/home/quizmaster/Pictures/Teams/team%1.jpg").arg(i + 1),
                               QString::number((i * 37) % 250)});
    }
    for (auto _ : state) {
        if (!ScoreRecovery::save(recovery, path)) {
            state.SkipWithError("the recovery was not saved");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * ScoreRecovery::bytes(recovery).size());
}
BENCHMARK(BM_RecoveryWrite)->Arg(163)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
