#include "app/Navigation.h"

#include "app/frmHelp.h"
#include "app/frmSplash.h"
#include "options/FileCommands.h"
#include "options/frmOptions.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPointer>

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
    splash->show();
    splash->raise();
    splash->activateWindow();
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
    if (help->isMinimized())
        help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
}

void showOptions()
{
    if (Testing::intercepted(Testing::Window::Options))
        return;
    frmOptions* window = frmOptions::instance();
    window->show();
    window->raise();
    window->activateWindow();
}

void showScoreboard()
{
    frmScoreboard* scoreboard = frmScoreboard::instance();
    scoreboard->show();
    scoreboard->raise();
    scoreboard->activateWindow();
    scoreboard->UpdateForm();
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
