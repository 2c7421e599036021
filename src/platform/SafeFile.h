#pragma once

// Files whose loss would cost the operator work: a write replaces the old file only once the new content
// is complete, so a full disk, a kill or a power cut leaves the old file or the new one, never a broken
// one; a read takes only an ordinary file of a bounded size, so that a device, a FIFO or a huge file
// named by mistake can neither hang the program nor exhaust its memory.

#include <QByteArray>
#include <QString>

namespace brimley::SafeFile {

// How a write or a read ended. On failure `reason` says why, in the system's words where it has them
// ("Permission denied", "No space left on device"), for a message that names the file and the reason.
struct Result
{
    bool ok = false;
    QString reason;

    explicit operator bool() const { return ok; }
};

// Writes `bytes` to the file at `path`, replacing it only after a complete write. On failure the old
// file, if any, is left as it was and no temporary file stays behind.
Result write(const QString& path, const QByteArray& bytes);

struct ReadResult : Result
{
    QByteArray bytes;
};

// Reads the whole file at `path`. Fails when it is not an ordinary file (a folder, a device, a FIFO),
// when it cannot be opened or read, or when it holds more than `maximumSize` bytes.
ReadResult read(const QString& path, qint64 maximumSize);

} // namespace brimley::SafeFile
