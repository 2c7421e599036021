#pragma once

// Decoded team pictures, kept between rebuilds. Every rebuild asks for every team's picture again, so
// that a file changed on disk shows on the next rebuild; this cache makes that cheap by decoding a file
// only when its path, size or modification time is new, and then only at the size it is shown (a
// 4000 x 3000 photo shown in a 300-pixel square is decoded at about that size, not at 48 MB).
//
// It also guards the program against hostile or broken files: only regular files are opened (a FIFO
// named .jpg would block forever), a header that claims far more pixels than the file could hold is
// refused before anything is allocated, and a file that does not decode is reported as unreadable.

#include <QCache>
#include <QFileInfo>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace brimley {

class PictureCache
{
public:
    static PictureCache& instance();

    // True when the file is an ordinary one: hidden files, folders and special files do not count.
    static bool isOrdinaryFile(const QFileInfo& file);

    // Each call takes the file by its path, looked at anew, or as a QFileInfo, which looks at the file
    // once for all the calls it is given to: a rebuild asks for a team picture's own size, then its image.

    // The picture's own size in pixels (upright, after its orientation tag), or nothing when the file
    // is not a picture that can be read.
    std::optional<QSize> ownSize(const QFileInfo& file);
    std::optional<QSize> ownSize(const QString& path) { return ownSize(QFileInfo(path)); }

    // The picture decoded at no less than the shown size where the file allows it (and never larger
    // than the limit); a null image when the file cannot be decoded.
    QImage image(const QFileInfo& file, QSize shownSize, QSize limit);
    QImage image(const QString& path, QSize shownSize, QSize limit)
    {
        return image(QFileInfo(path), shownSize, limit);
    }

    void clear();

    // Number of times a file has been decoded since the start; lets tests see the cache at work.
    int decodeCount() const { return decodes; }

private:
    struct Entry
    {
        qint64 fileSize = -1;
        qint64 modified = 0;
        QSize own; // invalid when the file is not a readable picture
        bool decodeFailed = false;
        QImage decoded; // the largest decode so far, or null
    };

    Entry* entryFor(const QFileInfo& file);
    QImage decode(const QString& path, const Entry& entry, QSize target);

    QCache<QString, Entry> entries;
    int decodes = 0;

public:
    PictureCache();
};

} // namespace brimley
