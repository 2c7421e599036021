#include "app/Settings.h"
#include "app/frmSplash.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace brimley;

class tst_frmSplash : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmSplash> window;

private slots:
    void init()
    {
        window = std::make_unique<frmSplash>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    void elementsHaveTheirTextsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // empty: any text
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QRect>("pixels");
        const int left = Qt::AlignLeft, right = Qt::AlignRight, centre = Qt::AlignHCenter;
        // clang-format off
        QTest::newRow("picLogo") << "picLogo" << "" << 0 << QRect(19, 64, 157, 124);
        QTest::newRow("frameSplash") << "frameSplash" << "" << 0 << QRect(8, 0, 400, 208);
        QTest::newRow("lblName") << "lblName" << "Brimley" << centre << QRect(44, 11, 329, 46);
        QTest::newRow("lblMadeBy") << "lblMadeBy" << "" << right << QRect(288, 64, 97, 17);
        QTest::newRow("lblClick") << "lblClick" << "Click to continue." << left << QRect(176, 72, 89, 17);
        QTest::newRow("lblVersion") << "lblVersion" << "Version " BRIMLEY_PROJECT_VERSION << right << QRect(240, 80, 145, 25);
        QTest::newRow("Label1") << "Label1" << "Press ' F1 ' to view Help from the scoreboard." << left << QRect(176, 112, 217, 17);
        QTest::newRow("Label2") << "Label2" << "Press ' F2 ' to set Options from the scoreboard." << left << QRect(176, 128, 217, 25);
        QTest::newRow("lblFullScreenKeys") << "lblFullScreenKeys" << "Press ' F11 ' for full screen, ' Ctrl+B ' to black out." << left << QRect(176, 143, 217, 12);
        QTest::newRow("lblUndoKeys") << "lblUndoKeys" << "Press ' Ctrl+Z ' to undo a score, ' Ctrl+Y ' to redo it." << left << QRect(176, 155, 217, 12);
        QTest::newRow("cmdHelp") << "cmdHelp" << "&Help" << 0 << QRect(296, 168, 81, 25);
        // clang-format on
    }
    void elementsHaveTheirTextsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(int, alignment);
        auto* widget = window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QTEST(widget->geometry(), "pixels");
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            shown = label->text();
            if (alignment)
                QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
            QVERIFY2(label->fontMetrics().horizontalAdvance(shown) <= label->width(), "the text is cut off");
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            shown = button->text();
        }
        if (!text.isEmpty())
            QCOMPARE(shown, text);
    }

    void windowIsBorderlessAndCentredHorizontallyOnTheScreen()
    {
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->size(), QSize(416, 217)); // 6240 by 3255 twips
        const QRect screen = window->screen()->geometry();
        QCOMPARE(window->frameGeometry().x() - screen.x(), (screen.width() - 416) / 2);
    }

    void nameAndVersionAreInTimesNewRoman_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("points");
        QTest::newRow("lblName") << "lblName" << 27.75;
        QTest::newRow("lblVersion") << "lblVersion" << 15.75;
    }
    void nameAndVersionAreInTimesNewRoman()
    {
        QFETCH(QString, name);
        const QFont font = window->findChild<QLabel*>(name)->font();
        QTEST(font.pointSizeF(), "points");
        const QString family = QFontInfo(font).family();
        QVERIFY2(family == "Times New Roman" || family == "Liberation Serif", qPrintable(family));
    }

    void logoIsShown() { QVERIFY(!window->picLogo->pixmap().isNull()); }

    void loadingAppliesTheDefaults()
    {
        model().DigitsWide = 5;
        model().Teams.append(Team{"Second", "", FlagTrue});
        model().CurrentFile = "/quiz.brm";
        optionsState().FileChanged = FlagTrue;

        frmSplash another;

        Settings expected;
        expected.CurrentFile = "/quiz.brm";
        QCOMPARE(model(), expected);
        QCOMPARE(optionsState().FileChanged, FlagFalse);
    }

    void clickAnywhereButHelpGoesToTheOptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("where");
        QTest::newRow("window margin") << "frmSplash" << QPoint(3, 100);
        QTest::newRow("frame") << "frameSplash" << QPoint(200, 190);
        for (const char* name :
             {"picLogo", "lblName", "lblMadeBy", "lblClick", "lblVersion", "Label1", "Label2", "lblFullScreenKeys",
              "lblUndoKeys"})
            QTest::newRow(name) << name << QPoint(2, 2);
    }
    void clickAnywhereButHelpGoesToTheOptions()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, where);
        auto* target = name == "frmSplash" ? window.get() : window->findChild<QWidget*>(name);
        QVERIFY(target);
        QCOMPARE(window->childAt(target->mapTo(window.get(), where)),
                 target == window.get() ? nullptr : target);
        QSignalSpy goScore(window.get(), &frmSplash::wentToOptions);

        QTest::mouseClick(target, Qt::LeftButton, {}, where);

        QCOMPARE(goScore.count(), 1);
        QVERIFY(!window->isVisible());
    }

    void helpButtonLeavesTheSplashWaiting()
    {
        QSignalSpy goScore(window.get(), &frmSplash::wentToOptions);
        QTest::mouseClick(window->cmdHelp, Qt::LeftButton);
        QCOMPARE(goScore.count(), 0);
        QVERIFY(window->isVisible());

        QTest::mouseClick(window->lblClick, Qt::LeftButton);
        QCOMPARE(goScore.count(), 1);
    }
};

QTEST_MAIN(tst_frmSplash)
#include "tst_frmSplash.moc"
