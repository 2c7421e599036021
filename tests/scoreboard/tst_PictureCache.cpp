#include "scoreboard/PictureCache.h"

#include <QtTest>

#include <sys/stat.h>

using namespace brimley;

namespace {

QString writePhoto(const QDir& folder, const QString& name, QSize size, QColor colour)
{
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(colour);
    const QString path = folder.filePath(name);
    photo.save(path);
    return path;
}

QString writeBytes(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

// A BMP header claiming width x height pixels of 24 bits, with no pixel data behind it.
QByteArray bmpHeaderOnly(qint32 width, qint32 height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 imageBytes = quint32(width) * quint32(height) * 3;
    out.writeRawData("BM", 2);
    out << quint32(54 + imageBytes) << quint16(0) << quint16(0) << quint32(54);
    out << quint32(40) << width << height << quint16(1) << quint16(24) << quint32(0) << imageBytes
        << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    return bytes;
}

} // namespace

class tst_PictureCache : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

private slots:
    void largePhotosAreDecodedAtTheSizeTheyAreShown()
    {
        PictureCache cache;
        const QString path = writePhoto(QDir(folder.path()), "big.jpg", {4000, 3000}, Qt::darkGreen);
        QCOMPARE(cache.ownSize(path), std::optional<QSize>(QSize(4000, 3000)));

        const QImage shown = cache.image(path, {300, 225}, {1920, 1080});
        QVERIFY(!shown.isNull());
        QVERIFY(shown.width() >= 300 && shown.height() >= 225);
        QVERIFY2(shown.width() <= 400, "decoded far larger than shown");
    }

    void anUnchangedFileIsDecodedOnce()
    {
        PictureCache cache;
        const QString path = writePhoto(QDir(folder.path()), "team.jpg", {800, 600}, Qt::blue);
        cache.image(path, {200, 150}, {});
        cache.image(path, {200, 150}, {});
        cache.image(path, {180, 135}, {}); // a smaller frame is served from the same decode
        QCOMPARE(cache.decodeCount(), 1);

        cache.image(path, {600, 450}, {}); // a much larger frame needs more pixels
        QCOMPARE(cache.decodeCount(), 2);
    }

    void aChangedFileIsDecodedAgain()
    {
        PictureCache cache;
        const QString path = writePhoto(QDir(folder.path()), "changing.png", {64, 64}, Qt::red);
        QCOMPARE(cache.image(path, {64, 64}, {}).pixelColor(5, 5), QColor(Qt::red));

        writePhoto(QDir(folder.path()), "changing.png", {64, 48}, Qt::yellow);
        QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        QCOMPARE(cache.ownSize(path), std::optional<QSize>(QSize(64, 48)));
        QCOMPARE(cache.image(path, {64, 48}, {}).pixelColor(5, 5), QColor(Qt::yellow));
    }

    void filesThatAreNotReadablePicturesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero bytes") << "empty.jpg" << QByteArray();
        QTest::newRow("text named .gif") << "notes.gif" << QByteArray("these are not the pixels you are looking for");
        QTest::newRow("BMP header claiming 5000 x 5000") << "claims.bmp" << bmpHeaderOnly(5000, 5000);
        QTest::newRow("BMP header claiming 30000 x 30000") << "huge.bmp" << bmpHeaderOnly(30000, 30000);
        QTest::newRow("truncated PNG signature") << "cut.png" << QByteArray("\x89PNG\r\n", 6);
    }
    void filesThatAreNotReadablePicturesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        PictureCache cache;
        const QString path = writeBytes(QDir(folder.path()), name, bytes);
        QVERIFY(!cache.ownSize(path) || cache.image(path, {200, 200}, {}).isNull());
    }

    void onlyOrdinaryFilesAreOpened()
    {
        const QDir dir(folder.path());
        const QString fifo = dir.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString hidden = writePhoto(dir, ".hidden.png", {10, 10}, Qt::red);
        dir.mkdir("folder.jpg");

        PictureCache cache;
        // Opening the FIFO would block this test for ever.
        QVERIFY(!PictureCache::isOrdinaryFile(fifo));
        QVERIFY(!cache.ownSize(fifo));
        QVERIFY(!PictureCache::isOrdinaryFile(hidden));
        QVERIFY(!PictureCache::isOrdinaryFile(dir.filePath("folder.jpg")));
        QVERIFY(!PictureCache::isOrdinaryFile(dir.filePath("missing.jpg")));
        QVERIFY(!PictureCache::isOrdinaryFile(QString()));
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
            const QString path = corpus.filePath(name);
            if (const auto own = cache.ownSize(path)) {
                const QImage image = cache.image(path, {200, 200}, {1920, 1080});
                if (!image.isNull())
                    QVERIFY2(image.width() <= 1920 && image.height() <= 1080, qPrintable(name));
            }
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
