#include "platform/Dialogs.h"

#include <QtTest>

using namespace brimley;
using namespace brimley::Dialogs;

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Testing::enable();
        Testing::reset();
    }

    void filtersBecomeQtFilters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("save") << "Brimley File *.brm|*.brm" << "Brimley File *.brm (*.brm)";
        QTest::newRow("open, with its leading blank") << " Brimley File *.brm|*.brm" << " Brimley File *.brm (*.brm)";
        QTest::newRow("pictures") << "Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"
                                  << "Pictures (*.bmp;*.gif;*.jpg) (*.bmp *.gif *.jpg)";
    }
    void filtersBecomeQtFilters()
    {
        QFETCH(QString, filter);
        QTEST(qtFilter(filter), "qt");
    }

    void queuedAnswersAreGivenInOrderAndRecorded()
    {
        Testing::queueAnswer(Answer::No);
        Testing::queueFile(QStringLiteral("/tmp/a.brm"));
        Testing::queueFile(std::nullopt);
        Testing::queueColour(0x123456);

        QCOMPARE(ask(nullptr, "Save Changes?", "Sure?", Buttons::YesNoCancel, Icon::Question), Answer::No);
        QCOMPARE(saveFile(nullptr, "Brimley File *.brm|*.brm", "/tmp"), std::optional<QString>("/tmp/a.brm"));
        QCOMPARE(openFile(nullptr, "x|*.x", {}), std::optional<QString>());
        QCOMPARE(chooseColour(nullptr, 0xFF), std::optional<Colour>(0x123456));
        beep();

        QCOMPARE(Testing::unexpected(), 0);
        const auto& shown = Testing::shown();
        QCOMPARE(shown.size(), 5);
        QCOMPARE(shown[0].title, QStringLiteral("Save Changes?"));
        QCOMPARE(shown[0].icon, Icon::Question);
        QCOMPARE(shown[1].kind, Testing::Shown::SaveFile);
        QCOMPARE(shown[1].startPath, QStringLiteral("/tmp"));
        QCOMPARE(shown[3].initialColour, 0xFF);
        QCOMPARE(shown[4].kind, Testing::Shown::Beep);
    }

    void aDialogWithoutAnAnswerIsCancelledAndCounted()
    {
        QCOMPARE(ask(nullptr, "t", "q", Buttons::YesNoCancel, Icon::Question), Answer::Cancel);
        QCOMPARE(ask(nullptr, "t", "q", Buttons::YesNo, Icon::None), Answer::No);
        QCOMPARE(chooseColour(nullptr, 1), std::optional<Colour>());
        QCOMPARE(Testing::unexpected(), 3);
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
