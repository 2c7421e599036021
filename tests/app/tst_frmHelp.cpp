#include "app/HelpLayout.h"
#include "app/Navigation.h"
#include "app/frmHelp.h"
#include "platform/ProgramDirectory.h"

#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace brimley;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

int helpWindows()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<frmHelp*>(widget) != nullptr ? 1 : 0;
    return count;
}

} // namespace

class tst_frmHelp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString helpFile;

    void closeTheWindow()
    {
        if (frmHelp::exists())
            frmHelp::instance()->close();
        QTRY_VERIFY(!frmHelp::exists());
    }

private slots:
    void init()
    {
        helpFile = folder.filePath("help.rtf");
        QFile::remove(helpFile);
        frmHelp::setHelpFilePathForTesting(helpFile);
    }
    void cleanup()
    {
        closeTheWindow();
        frmHelp::setHelpFilePathForTesting({});
    }

    void theProgramsHelpFileLiesNextToIt()
    {
        frmHelp::setHelpFilePathForTesting({});
        QCOMPARE(frmHelp::helpFilePath(), ProgramDirectory::file("brimleyhelpfile.rtf"));
        Navigation::showHelp();
        // The build copies the shipped manual next to the executables, the tests' included.
        QVERIFY(frmHelp::instance()->rtbHelp->toPlainText().contains("Typing scores"));
    }

    void theWindowIsTheHelpWindow()
    {
        frmHelp window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Brimley Help"));
        QCOMPARE(window.objectName(), QStringLiteral("frmHelp"));
        QCOMPARE(window.rtbHelp->objectName(), QStringLiteral("rtbHelp"));
        QCOMPARE(window.size(), QSize(737, 618)); // 11055 x 9270 twips
        QCOMPARE(window.palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(window.autoFillBackground());
        QVERIFY(window.rtbHelp->isReadOnly());
        QCOMPARE(window.rtbHelp->lineWrapMode(), QTextEdit::FixedPixelWidth);
        QCOMPARE(window.rtbHelp->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void aMissingFileShowsTheMessage()
    {
        Navigation::showHelp();
        QCOMPARE(frmHelp::instance()->rtbHelp->toPlainText(),
                 QStringLiteral(
                     "Help file has been moved from its normal location.  Please reinstall the program."));
    }

    void aFileThatCannotBeReadSaysSo_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain text") << QByteArray("Press F1 for help.");
        QTest::newRow("random bytes") << QByteArray::fromHex("8badf00d00ff13377e0a0d00c0ffee");
        QTest::newRow("RTF holding no text") << QByteArray("{\\rtf1{\\pict 0a0b}}");
    }
    void aFileThatCannotBeReadSaysSo()
    {
        QFETCH(QByteArray, bytes);
        writeFile(helpFile, bytes);
        Navigation::showHelp();
        QCOMPARE(frmHelp::instance()->rtbHelp->toPlainText(),
                 QStringLiteral("Help file cannot be read.  Please reinstall the program."));
    }

    void aFolderInPlaceOfTheFileCannotBeRead()
    {
        QVERIFY(QDir(folder.path()).mkpath("folder.rtf"));
        frmHelp::setHelpFilePathForTesting(folder.filePath("folder.rtf"));
        Navigation::showHelp();
        QCOMPARE(frmHelp::instance()->rtbHelp->toPlainText(), frmHelp::UnreadableFileMessage);
    }

    void theResizeStep_data()
    {
        QTest::addColumn<QSizeF>("outer");
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QRectF>("viewer");
        QTest::addColumn<double>("wrap");
        QTest::newRow("initial") << QSizeF(11055, 9270) << QSizeF(11055, 9270) << QRectF(120, 0, 10815, 8850)
                                 << 10365.0;
        QTest::newRow("dragged to 2000 x 1000")
            << QSizeF(2000, 1000) << QSizeF(2700, 1700) << QRectF(120, 0, 2460, 1280) << 2010.0;
        QTest::newRow("too narrow only")
            << QSizeF(2000, 5000) << QSizeF(2700, 5000) << QRectF(120, 0, 2460, 4580) << 2010.0;
        QTest::newRow("too low only")
            << QSizeF(6000, 1200) << QSizeF(6000, 1700) << QRectF(120, 0, 5760, 1280) << 5310.0;
        QTest::newRow("the minimum itself")
            << QSizeF(2700, 1700) << QSizeF(2700, 1700) << QRectF(120, 0, 2460, 1280) << 2010.0;
        QTest::newRow("maximized on 1920 x 1080")
            << QSizeF(28800, 16200) << QSizeF(28800, 16200) << QRectF(120, 0, 28560, 15780) << 28110.0;
    }
    void theResizeStep()
    {
        QFETCH(QSizeF, outer);
        const HelpLayout layout = helpLayout(outer.width(), outer.height());
        QTEST(QSizeF(layout.windowWidth, layout.windowHeight), "window");
        QTEST(layout.viewer, "viewer");
        QTEST(layout.wrapWidth, "wrap");
    }

    void resizingPlacesTheViewer_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("initial") << QSize(737, 618);
        QTest::newRow("larger") << QSize(900, 700);
        QTest::newRow("smallest") << QSize(180, 114);
    }
    void resizingPlacesTheViewer()
    {
        QFETCH(QSize, size);
        frmHelp window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(size);
        QTRY_COMPARE(window.size(), size);
        // In whole pixels: 120 twips are 8, 240 are 16, 420 are 28 and 240 + 450 are 46.
        const QSize outer = window.frameGeometry().size();
        QCOMPARE(window.rtbHelp->geometry(), QRect(8, 0, outer.width() - 16, outer.height() - 28));
        QCOMPARE(window.rtbHelp->lineWrapColumnOrWidth(), outer.width() - 46);
    }

    void draggingBelowTheMinimumIsUndone()
    {
        frmHelp window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(133, 67); // 2000 x 1000 twips
        // 2700 x 1700 twips, the height as the whole pixel that reaches 1700 twips (114 px, 1710 twips).
        QTRY_COMPARE(window.frameGeometry().size(), QSize(180, 114));
        QCOMPARE(window.rtbHelp->geometry(), QRect(8, 0, 164, 86));
    }

    void aMaximizedWindowGetsAViewerAsLarge()
    {
        frmHelp window;
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.size().width() > 737);
        const QSize outer = window.frameGeometry().size();
        QCOMPARE(window.rtbHelp->geometry(), QRect(8, 0, outer.width() - 16, outer.height() - 28));
    }

    void aMinimizedWindowIsLeftAlone()
    {
        frmHelp window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect before = window.rtbHelp->geometry();
        window.setWindowState(Qt::WindowMinimized);
        window.resize(100, 50);
        QCoreApplication::processEvents();
        QCOMPARE(window.rtbHelp->geometry(), before);
        window.setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(window.frameGeometry().size(), QSize(180, 114));
    }

    void showingItAgainBringsTheSameWindowWithoutReloading()
    {
        writeFile(helpFile, "{\\rtf1 First edition}");
        Navigation::showHelp();
        frmHelp* first = frmHelp::instance();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        writeFile(helpFile, "{\\rtf1 Second edition}");
        Navigation::showHelp();
        QCOMPARE(frmHelp::instance(), first);
        QCOMPARE(helpWindows(), 1);
        QCOMPARE(first->rtbHelp->toPlainText(), QStringLiteral("First edition"));
    }

    void closingDiscardsTheDocumentAndTheNextShowingReloads()
    {
        writeFile(helpFile, "{\\rtf1 First edition}");
        Navigation::showHelp();
        QVERIFY(QTest::qWaitForWindowExposed(frmHelp::instance()));
        closeTheWindow();
        QCOMPARE(helpWindows(), 0);
        writeFile(helpFile, "{\\rtf1 Second edition}");
        Navigation::showHelp();
        QVERIFY(frmHelp::instance()->isVisible());
        QCOMPARE(frmHelp::instance()->rtbHelp->toPlainText(), QStringLiteral("Second edition"));
    }
};

QTEST_MAIN(tst_frmHelp)
#include "tst_frmHelp.moc"
