// A scoreboard file opened from the desktop: the program is started the way the installed desktop entry
// tells a file manager to start it, with the file's path in place of %f, on the test's private X server.
// It must start as ever, with its splash, and the options window must open the file.

#include "support/XDoTool.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr int Patience = 30000; // ms; generous, for slow machines and sanitizer builds

QString resource(const QString& name)
{
    QFile file(QStringLiteral(BRIMLEY_SOURCE_DIR "/resources/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of a key of the desktop entry's main group.
QString desktopEntryValue(const QString& key)
{
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(resource(QStringLiteral("brimley.desktop"))).captured(1).trimmed();
}

} // namespace

class tst_DesktopEntryEndToEnd : public QObject
{
    Q_OBJECT

private:
    QProcess program;

    std::optional<QString> waitForWindow(const QString& title)
    {
        QDeadlineTimer deadline(Patience);
        while (!deadline.hasExpired() && program.state() == QProcess::Running) {
            const auto found = XDoTool::run(
                {"search", "--onlyvisible", "--name", "^" + QRegularExpression::escape(title) + "$"}, false);
            if (found && !found->isEmpty())
                return found->split(u'\n').first();
            QTest::qWait(50);
        }
        return std::nullopt;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (the xcb platform); this one runs on another platform");
        if (!XDoTool::installed())
            QSKIP("needs xdotool to click on the X server");
    }

    void cleanup()
    {
        program.kill();
        program.waitForFinished(Patience);
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(!errors.contains("Sanitizer"), qPrintable(errors));
    }

    void theDesktopEntryOffersItselfForScoreboardFiles()
    {
        // The file type the entry claims is the one installed for *.brm files.
        const QString type = desktopEntryValue(QStringLiteral("MimeType"));
        QCOMPARE(type, QStringLiteral("application/x-brimley-scoreboard;"));
        const QString mime = resource(QStringLiteral("brimley-mime.xml"));
        QVERIFY(mime.contains(QStringLiteral("<mime-type type=\"%1\">").arg(type.chopped(1))));
        QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.brm\"/>")));
    }

    void aScoreboardFileOpensThroughTheDesktopEntry()
    {
        // A name with a blank, as files on a desktop often have: %f hands it over as one argument.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("Pub Quiz.brm"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("DigitsWide:3\r\n---Team Data---\r\nOwls\x1b\x1b"
                   "1\r\nBears\x1b\x1b"
                   "1\r\n");
        file.close();

        QStringList command = desktopEntryValue(QStringLiteral("Exec")).split(u' ', Qt::SkipEmptyParts);
        QCOMPARE(command.value(0), QStringLiteral("brimley"));
        QCOMPARE(command.count(QStringLiteral("%f")), 1);
        // The installed bin/brimley leads to the program built here.
        command[0] = QStringLiteral(BRIMLEY_RUNTIME_DIR "/brimley");
        command.replaceInStrings(QStringLiteral("%f"), path);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        program.setProcessEnvironment(environment);
        program.start(command.takeFirst(), command);
        QVERIFY(program.waitForStarted(Patience));

        const auto splash = waitForWindow(QStringLiteral("Brimley"));
        QVERIFY2(splash, qPrintable("no splash window: " + program.readAllStandardError()));
        QVERIFY(XDoTool::run({"mousemove", "--sync", "--window", *splash, "20", "20", "click", "1"}));
        // The options window's caption names the file, as after File, Open.
        QVERIFY2(waitForWindow("Brimley - " + path), qPrintable(program.readAllStandardError()));
    }
};

QTEST_MAIN(tst_DesktopEntryEndToEnd)
#include "tst_DesktopEntryEndToEnd.moc"
