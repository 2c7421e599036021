#include "scoreboard/PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace brimley {
namespace {

// A decode larger than this must be backed by a file of plausible size (see plausibleSize).
constexpr qint64 LargeDecodeBytes = 64LL * 1024 * 1024;
// No real BMP or GIF packs more than this many bytes of decoded picture into one byte of file.
constexpr qint64 MaxBytesPerFileByte = 32;
// Decoded pictures kept at once, in kilobytes.
constexpr int CacheBudgetKiB = 256 * 1024;
// Decoding a little larger than shown lets a window grow a little without decoding again.
constexpr double Headroom = 1.25;

bool plausibleSize(QSize own, qint64 fileSize, const QByteArray& format)
{
    // JPEG decodes straight to the reduced size, so its header size costs nothing.
    if (format == "jpeg" || format == "jpg")
        return true;
    const qint64 bytes = qint64(own.width()) * own.height() * 4;
    return bytes <= LargeDecodeBytes || bytes <= fileSize * MaxBytesPerFileByte;
}

bool rotatesQuarterTurn(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

} // namespace

PictureCache::PictureCache() : entries(CacheBudgetKiB) {}

PictureCache& PictureCache::instance()
{
    static PictureCache cache;
    return cache;
}

bool PictureCache::isOrdinaryFile(const QFileInfo& file)
{
    // A file that does not exist is not a file either.
    return !file.filePath().isEmpty() && file.isFile() && !file.isHidden();
}

PictureCache::Entry* PictureCache::entryFor(const QFileInfo& file)
{
    if (!isOrdinaryFile(file))
        return nullptr;
    const QString path = file.filePath();
    const qint64 modified = file.lastModified().toMSecsSinceEpoch();
    if (Entry* entry = entries.object(path);
        entry && entry->fileSize == file.size() && entry->modified == modified)
        return entry;

    auto* entry = new Entry;
    entry->fileSize = file.size();
    entry->modified = modified;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize own = reader.size();
    if (own.isValid() && !own.isEmpty() && plausibleSize(own, entry->fileSize, reader.format())) {
        if (rotatesQuarterTurn(reader.transformation()))
            own.transpose();
        entry->own = own;
    }
    entries.insert(path, entry, 1);
    return entries.object(path);
}

std::optional<QSize> PictureCache::ownSize(const QFileInfo& file)
{
    const Entry* entry = entryFor(file);
    if (!entry || !entry->own.isValid() || entry->decodeFailed)
        return std::nullopt;
    return entry->own;
}

QImage PictureCache::decode(const QString& path, const Entry& entry, QSize target)
{
    ++decodes;
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (target.width() < entry.own.width() || target.height() < entry.own.height()) {
        // The reader scales before it applies the orientation tag.
        QSize scaled = entry.own.scaled(target, Qt::KeepAspectRatio).expandedTo({1, 1});
        if (rotatesQuarterTurn(reader.transformation()))
            scaled.transpose();
        reader.setScaledSize(scaled);
    }
    QImage image = reader.read();
    if (image.isNull())
        return {};
    return image;
}

QImage PictureCache::image(const QFileInfo& file, QSize shownSize, QSize limit)
{
    Entry* entry = entryFor(file);
    if (!entry || !entry->own.isValid() || entry->decodeFailed)
        return {};

    // Enough pixels for the shown size, never more than the file has or than the limit allows.
    QSize wanted = (QSizeF(shownSize.expandedTo({1, 1})) * Headroom).toSize();
    wanted = wanted.boundedTo(entry->own);
    if (limit.isValid())
        wanted = wanted.boundedTo(limit);
    wanted = entry->own.scaled(wanted, Qt::KeepAspectRatio).expandedTo({1, 1});

    const bool enough = !entry->decoded.isNull() &&
                        (entry->decoded.width() >= std::min(shownSize.width(), wanted.width()) &&
                         entry->decoded.height() >= std::min(shownSize.height(), wanted.height()));
    if (enough)
        return entry->decoded;

    const QString path = file.filePath();
    QImage decoded = decode(path, *entry, wanted);
    if (decoded.isNull()) {
        entry->decodeFailed = true;
        entry->decoded = QImage();
        return {};
    }
    entry->decoded = decoded;
    // Re-insert with the cost of the pixels now held, so the budget sees them.
    auto* replacement = new Entry(*entry);
    entries.insert(path, replacement, std::max<int>(1, static_cast<int>(decoded.sizeInBytes() / 1024)));
    return decoded;
}

void PictureCache::clear()
{
    entries.clear();
}

} // namespace brimley
