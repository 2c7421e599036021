// Writing files whole or not at all, and reading only ordinary files of a bounded size.

#include "platform/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace brimley::SafeFile {
namespace {

// Opens the file for reading only if it is an ordinary file; otherwise, or when it cannot be opened,
// says why. A FIFO or a device could keep the program waiting for ever, so on Unix the file is opened
// without waiting and looked at before anything is read.
QString openOrdinaryFile(QFile& file, const QString& path)
{
    const QString notOrdinary = QStringLiteral("It is not an ordinary file.");
#ifdef Q_OS_UNIX
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return notOrdinary;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return file.errorString();
    }
#else
    if (!QFileInfo(path).isFile())
        return notOrdinary;
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
#endif
    return {};
}

} // namespace

Result write(const QString& path, const QByteArray& bytes)
{
    if (path.isEmpty())
        return {false, QStringLiteral("No file name was given.")};
    QSaveFile file(path);
    // Unbuffered, so that a write cut short by a full disk shows here: a buffered QSaveFile can take a
    // short final flush for success and commit a truncated file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            // A short write leaves no error of its own; the next attempt reports the reason.
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason};
        }
        written += count;
    }
    // Only a complete write replaces the old file; a failure here (a full disk) leaves it untouched.
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

ReadResult read(const QString& path, qint64 maximumSize)
{
    ReadResult result;
    QFile file(path);
    if (const QString refused = openOrdinaryFile(file, path); !refused.isEmpty()) {
        result.reason = refused;
        return result;
    }
    // In pieces, and never much past the limit: the file may grow while it is read.
    const bool tooLarge = file.size() > maximumSize;
    while (!tooLarge && result.bytes.size() <= maximumSize) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            break;
        result.bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        result.reason = file.errorString();
        result.bytes.clear();
        return result;
    }
    if (tooLarge || result.bytes.size() > maximumSize) {
        result.reason = QStringLiteral("The file is too large.");
        result.bytes.clear();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace brimley::SafeFile
