#include "platform/Dialogs.h"

#include <QtTest>

using namespace brimley;

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void filtersBecomeQtFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("save") << "Brimley File *.brm|*.brm"
                              << "Brimley File *.brm (*.brm)";
        QTest::newRow("open, with its leading blank") << " Brimley File *.brm|*.brm"
                                                      << " Brimley File *.brm (*.brm)";
        QTest::newRow("pictures") << "Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"
                                  << "Pictures (*.bmp;*.gif;*.jpg) (*.bmp *.gif *.jpg)";
    }
    void filtersBecomeQtFilters()
    {
        QFETCH(QString, filter);
        QTEST(Dialogs::qtFilter(filter), "qt");
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
