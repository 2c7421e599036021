#include "app/Settings.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brimley"));

    brimley::SetDefaults();
    brimley::frmScoreboard* scoreboard = brimley::frmScoreboard::instance();
    scoreboard->show();
    scoreboard->UpdateForm();
    return QApplication::exec();
}
