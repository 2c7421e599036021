#include "app/Navigation.h"

#include "app/frmHelp.h"
#include "app/frmSplash.h"
#include "console/frmConsole.h"
#include "options/FileCommands.h"
#include "options/frmOptions.h"
#include "scoreboard/AudienceScreen.h"
#include "scoreboard/GameCommands.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <algorithm>

namespace brimley::Navigation {
namespace {

// A window the operator can close, as opposed to a dialog, menu or tooltip belonging to one.
bool isProgramWindow(const QWidget* widget)
{
    return widget->isWindow() && !widget->parentWidget() && widget->windowType() == Qt::Window &&
           !widget->testAttribute(Qt::WA_DontShowOnScreen);
}

// Whether the program ends when `closing` has closed: no other window of it is open.
bool isLastOpenWindow(const QWidget* closing)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::none_of(windows.cbegin(), windows.cend(), [closing](const QWidget* window) {
        return window != closing && window->isVisible() && isProgramWindow(window);
    });
}

// Unsaved changes used to vanish when the scoreboard (or the help window) was closed last; now the
// operator is asked first, as when the options window closes.
class LastWindowWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!isProgramWindow(window) || !window->isVisible() || qobject_cast<frmOptions*>(window) ||
            !isLastOpenWindow(window))
            return false;
        if (FileCommands::askToSave(window, FileCommands::SavePrompt::Closing))
            return false;
        event->ignore();
        return true;
    }
};

// Shows a window in front of the others, ready for the keys.
void bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// The frame moved to the middle of the screen's free area.
QRect centredOn(QRect frame, const QScreen* screen)
{
    frame.moveCenter(screen->availableGeometry().center());
    return frame;
}

template <typename Window> Window* shownWindow()
{
    return Window::exists() && Window::instance()->isVisible() ? Window::instance() : nullptr;
}

// The screen the operator works on: that of the options window or the console when one is open, else
// one that does not show the scoreboard, else the primary screen.
QScreen* operatorScreen()
{
    if (const frmOptions* options = shownWindow<frmOptions>())
        return options->screen();
    if (const frmConsole* console = shownWindow<frmConsole>())
        return console->screen();
    const QScreen* board = frmScoreboard::exists() ? frmScoreboard::instance()->screen() : nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen != board)
            return screen;
    }
    return QGuiApplication::primaryScreen();
}

// While the console is up, the windows the operator calls up open on the operator's screen, never over
// the audience's board.
void keepOnOperatorScreen(QWidget* window)
{
    if (!shownWindow<frmConsole>())
        return;
    QScreen* screen = frmConsole::instance()->screen();
    if (!screen || window->screen() == screen)
        return;
    window->move(centredOn(window->frameGeometry(), screen).topLeft());
}

// Screens come and go (a projector plugged in or out) while the scoreboard is up.
void watchScreens()
{
    static bool watching = false;
    if (watching)
        return;
    watching = true;
    QObject::connect(qApp, &QGuiApplication::screenAdded, qApp, [] { placeScoreboard(); });
    QObject::connect(qApp, &QGuiApplication::screenRemoved, qApp, [] {
        // After Qt has moved the windows of the screen that went.
        QMetaObject::invokeMethod(
            qApp, [] { placeScoreboard(); }, Qt::QueuedConnection);
    });
}

} // namespace

void start(const QString& fileToOpen)
{
    watchLastWindow();
    frmSplash* splash = frmSplash::instance();
    if (!fileToOpen.isEmpty()) {
        // The splash applies the defaults while it loads, so the file is read after it, by the options
        // window, which shows the file in its caption and tells of a file it cannot read. The path is
        // made whole now, as the file dialog gives it, before anything can change the current folder.
        const QString path = QFileInfo(fileToOpen).absoluteFilePath();
        QObject::connect(splash, &frmSplash::wentToOptions, splash, [path] {
            if (frmOptions::exists())
                FileCommands::OpenPath(*frmOptions::instance(), path);
        });
    }
    bringToFront(splash);
}

void watchLastWindow()
{
    static QPointer<LastWindowWatch> watch;
    if (watch)
        return;
    watch = new LastWindowWatch(qApp);
    qApp->installEventFilter(watch);
}

void showHelp()
{
    if (Testing::intercepted(Testing::Window::Help))
        return;
    // Created and loaded only when it is not open; an open window is merely brought to the front.
    frmHelp* help = frmHelp::instance();
    keepOnOperatorScreen(help);
    if (help->isMinimized())
        help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    bringToFront(help);
}

void showOptions()
{
    if (Testing::intercepted(Testing::Window::Options))
        return;
    frmOptions* window = frmOptions::instance();
    keepOnOperatorScreen(window);
    bringToFront(window);
}

void showScoreboard()
{
    watchScreens();
    // Asked before the board comes up, from the window the operator works in.
    GameCommands::offerRecovery(shownWindow<frmOptions>() ? frmOptions::instance() : operatorWindow(nullptr));
    frmScoreboard* scoreboard = frmScoreboard::instance();
    // With a screen for the audience, the board goes there and the operator gets the console; on a
    // single screen the scoreboard is shown as it always was.
    if (QScreen* audience = AudienceScreen::forOperatorOn(operatorScreen())) {
        scoreboard->showFullScreenOn(audience);
        scoreboard->UpdateForm();
        showConsole();
        return;
    }
    bringToFront(scoreboard);
    scoreboard->UpdateForm();
}

void showConsole()
{
    if (Testing::intercepted(Testing::Window::Console))
        return;
    const bool opening = !shownWindow<frmConsole>();
    frmConsole* console = frmConsole::instance();
    if (opening) {
        console->setGeometry(
            centredOn(QRect(QPoint(), console->sizeHint().expandedTo({760, 480})), operatorScreen()));
    }
    if (frmScoreboard::exists())
        console->attach(frmScoreboard::instance());
    bringToFront(console);
}

QWidget* operatorWindow(QWidget* fallback)
{
    if (frmConsole* console = shownWindow<frmConsole>())
        return console;
    return fallback;
}

void placeScoreboard()
{
    frmScoreboard* scoreboard = shownWindow<frmScoreboard>();
    if (!scoreboard)
        return;
    if (QScreen* audience = AudienceScreen::forOperatorOn(operatorScreen())) {
        scoreboard->showFullScreenOn(audience);
        return;
    }
    // One screen left: the board stays where it is if it is on it, else it comes to that screen.
    const QRect board = scoreboard->frameGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().intersects(board))
            return;
    }
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        if (scoreboard->isFullScreen())
            scoreboard->showFullScreenOn(primary);
        else
            scoreboard->move(primary->availableGeometry().topLeft());
    }
}

void endProgram()
{
    if (Testing::intercepted(Testing::Window::EndOfProgram))
        return;
    // exit() rather than quit(), which would first close every window and so ask about unsaved changes
    // again.
    QCoreApplication::exit(0);
}

} // namespace brimley::Navigation
