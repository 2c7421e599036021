#include "app/Navigation.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brimley"));

    brimley::Navigation::start();
    return QApplication::exec();
}
