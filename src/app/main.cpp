#include "Version.h"
#include "app/Navigation.h"
#include "scoreboard/RecoveryKeeper.h"
#include "scoreboard/ScoreRecovery.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brimley"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(brimley::VersionMajor)
                                            .arg(brimley::VersionMinor)
                                            .arg(brimley::VersionRevision));

    // One scoreboard file may be named, as a file manager does when a .brm file is opened with Brimley.
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("A scoreboard for quizzes and team contests."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("file"),
                                    QStringLiteral("A scoreboard file (.brm) to open."),
                                    QStringLiteral("[file]"));
    arguments.process(application);

    // Every score change goes to the recovery file, so that a crash loses no score.
    brimley::RecoveryKeeper::start(brimley::ScoreRecovery::defaultPath());
    brimley::Navigation::start(arguments.positionalArguments().value(0));
    return QApplication::exec();
}
