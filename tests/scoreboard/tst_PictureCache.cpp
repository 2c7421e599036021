// Team pictures: read safely and only as large as shown, and fitted into their square.

#include "scoreboard/PictureCache.h"
#include "scoreboard/PictureFit.h"

#include <QtTest>

#include <sys/stat.h>

using namespace brimley;

class tst_PictureCache : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

    QString writePhoto(const QString& name, QSize size, QColor colour)
    {
        QImage photo(size, QImage::Format_RGB32);
        photo.fill(colour);
        photo.save(folder.filePath(name));
        return folder.filePath(name);
    }

private slots:
    // Pictures touch two edges of their square and are centred; degenerate sizes fill the container
    // instead of dividing by zero.
    void picturesAreFittedIntoTheirSquare()
    {
        QCOMPARE(PictureFit::fit({3000, 1500}, {1200, 1200}), QRectF(0, 300, 1200, 600));
        QCOMPARE(PictureFit::fit({1500, 3000}, {1200, 1200}), QRectF(300, 0, 600, 1200));
        QCOMPARE(PictureFit::fit({150, 150}, {1815, 1215}), QRectF(300, 0, 1215, 1215));
        QCOMPARE(PictureFit::fit({0, 100}, {300, 200}), QRectF(0, 0, 300, 200));
        QCOMPARE(PictureFit::fit({100, 100}, {0, 200}), QRectF(0, 0, 0, 200));
    }

    // A 4000 x 3000 photo shown at 300 x 225 is decoded near that size, once while the file stays as
    // it is and the frame does not grow much; a changed file is decoded again.
    void photosAreDecodedAtTheSizeShownAndOnlyWhenNeeded()
    {
        PictureCache cache;
        const QString path = writePhoto("big.jpg", {4000, 3000}, Qt::darkGreen);
        QCOMPARE(cache.ownSize(path), std::optional<QSize>(QSize(4000, 3000)));
        const QImage shown = cache.image(path, {300, 225}, {1920, 1080});
        QVERIFY(shown.width() >= 300 && shown.height() >= 225);
        QVERIFY2(shown.width() <= 400, "decoded far larger than shown");
        cache.image(path, {300, 225}, {});
        cache.image(path, {280, 210}, {});
        QCOMPARE(cache.decodeCount(), 1);
        cache.image(path, {900, 675}, {});
        QCOMPARE(cache.decodeCount(), 2);

        const QString png = writePhoto("changing.png", {64, 64}, Qt::red);
        QCOMPARE(cache.image(png, {64, 64}, {}).pixelColor(5, 5), QColor(Qt::red));
        writePhoto("changing.png", {64, 48}, Qt::yellow);
        QFile(png).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        QCOMPARE(cache.image(png, {64, 48}, {}).pixelColor(5, 5), QColor(Qt::yellow));
    }

    void filesThatAreNotReadablePicturesAreRefused()
    {
        const std::pair<const char*, QByteArray> files[] = {
            {"empty.jpg", {}},
            {"notes.gif", "these are not the pixels you are looking for"},
            // A BMP header claiming 5000 x 5000 pixels of 24 bits, with none of them behind it: refused
            // before anything is allocated.
            {"claims.bmp",
             QByteArray::fromHex("424d f6687804 00000000 36000000 28000000 88130000 88130000 0100 1800 "
                                 "00000000 c0687804 130b0000 130b0000 00000000 00000000")}};
        PictureCache cache;
        for (const auto& [name, bytes] : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            QVERIFY2(!cache.ownSize(file.fileName()) && cache.image(file.fileName(), {200, 200}, {}).isNull(),
                     name);
        }
        // Only ordinary files are opened: opening a FIFO would block for ever.
        const QString fifo = folder.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!cache.ownSize(fifo));
        QVERIFY(!PictureCache::isOrdinaryFile(writePhoto(".hidden.png", {10, 10}, Qt::red)));
    }

    void brokenPicturesFromTheWildAreSurvived()
    {
        const QDir corpus(QStringLiteral(BRIMLEY_CORPUS_DIR "/images"));
        if (!corpus.exists())
            QSKIP("The shared picture corpus is not beside this checkout");
        const QStringList files = corpus.entryList({"*.bmp", "*.gif", "*.jpg"}, QDir::Files);
        QVERIFY(files.size() >= 20);
        PictureCache cache;
        for (const QString& name : files) {
            const QImage image = cache.image(corpus.filePath(name), {200, 200}, {1920, 1080});
            QVERIFY2(image.width() <= 1920 && image.height() <= 1080, qPrintable(name));
        }
        // The valid pictures among them still load.
        for (const char* name : {"hopper.jpg", "hopper.gif", "rgb24.bmp", "pal8.bmp", "chi.gif"})
            QVERIFY2(!cache.image(corpus.filePath(name), {100, 100}, {}).isNull(), name);
        // A header claiming 3,000,000 x 2,000,000 pixels is refused before anything is allocated.
        QVERIFY(cache.image(corpus.filePath("reallybig.bmp"), {100, 100}, {}).isNull());
    }
};

QTEST_GUILESS_MAIN(tst_PictureCache)
#include "tst_PictureCache.moc"
