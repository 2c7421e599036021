#pragma once

// The real program on the test's private X server, started in a home of its own and driven as a
// person drives it: windows are found by their titles, waited for with a generous time-out, and the
// program is ended by its own process when the test is done.

#include "support/XDoTool.h"

#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class RunningProgram
{
public:
    static constexpr int Patience = 30000; // ms; generous, for slow machines and sanitizer builds

    ~RunningProgram() { stop(); }

    // Starts the program and clicks its splash away; the options window that follows, with this title
    // (empty when it did not appear).
    QString start(const QStringList& arguments, const QString& optionsTitle)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_DATA_HOME", home.filePath("data"));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(home.path());
        process.start(BRIMLEY_RUNTIME_DIR "/brimley", arguments);
        process.waitForStarted(Patience);
        const QString splash = waitForWindow("Brimley");
        if (splash.isEmpty() || !click(splash, QPoint(20, 20)))
            return {};
        return waitForWindow(optionsTitle, splash);
    }

    // Ends the program by its process and says what it reported on its error output.
    QString stop()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(Patience);
        }
        return errors += QString::fromLocal8Bit(process.readAllStandardError());
    }

    QProcess& program() { return process; }
    QString homePath(const QString& name) const { return home.filePath(name); }

    // The X windows on the screen with exactly this title.
    static QStringList windowsTitled(const QString& title)
    {
        const auto found = XDoTool::run(
            {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"}, false);
        return found && !found->isEmpty() ? found->split(u'\n') : QStringList();
    }

    // A window with this title other than `besides`; empty when none appears.
    QString waitForWindow(const QString& title, const QString& besides = {})
    {
        QStringList found;
        waitFor([&] {
            (found = windowsTitled(title)).removeAll(besides);
            return !found.isEmpty() || process.state() != QProcess::Running;
        });
        return found.value(0);
    }

    static bool gone(const QString& title, const QString& window)
    {
        return waitFor([&] { return !windowsTitled(title).contains(window); });
    }

    // Where a window is on the X screen.
    static QRect geometryOf(const QString& window)
    {
        const auto shell = XDoTool::run({"getwindowgeometry", "--shell", window});
        const auto value = [&shell](const char* name) {
            return shell ? shell->section(QString(name) + '=', 1).section('\n', 0, 0).toInt() : 0;
        };
        return shell ? QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT")) : QRect();
    }

    static bool xdo(const QStringList& arguments) { return XDoTool::run(arguments).has_value(); }
    static bool focus(const QString& window) { return xdo({"windowfocus", "--sync", window}); }
    static bool type(const QString& text) { return xdo({"type", "--delay", "30", text}); }
    static bool click(const QString& window, QPoint at)
    {
        return xdo({"mousemove", "--sync", "--window", window, QString::number(at.x()),
                    QString::number(at.y()), "click", "1"});
    }

    template <typename Condition> static bool waitFor(Condition done)
    {
        return QTest::qWaitFor(done, Patience);
    }

private:
    QTemporaryDir home;
    QProcess process;
    QString errors;
};
