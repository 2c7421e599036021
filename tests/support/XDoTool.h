#pragma once

// Runs xdotool, which types and clicks through the X server's test extension exactly as a person
// at the keyboard would. Each run is waited for (with a time-out) and never outlives the call.

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <optional>

namespace XDoTool {

// The standard output of a run, trimmed; nothing when it failed, which is reported unless expected
// (a search that finds nothing fails).
inline std::optional<QString> run(const QStringList& arguments, bool reportFailure = true)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (reportFailure)
            qWarning("xdotool %s: %s", qPrintable(arguments.join(u' ')),
                     process.readAllStandardError().constData());
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// Presses and releases keys in order; each is a keysym name ("Return", "shift+8") or a keycode.
inline bool key(const QStringList& keys)
{
    return run(QStringList{QStringLiteral("key")} + keys).has_value();
}

} // namespace XDoTool

// Skips the test where it cannot type on a real X server: another platform, or no xdotool.
#define SKIP_WITHOUT_X_SERVER_AND_XDOTOOL()                                                                  \
    do {                                                                                                     \
        if (QGuiApplication::platformName() != QLatin1String("xcb"))                                         \
            QSKIP("needs a real X server (the xcb platform); this one runs on another platform");            \
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())                             \
            QSKIP("needs xdotool to type and click on the X server");                                        \
    } while (false)
