#pragma once

// Keeps the recovery file up to date while the program runs: every accepted score change (typed,
// undone, redone, a new game, restored scores) is written before the next key is handled, so that a
// crash, a killed program or a power cut loses nothing. A write that fails (a full disk, a read-only
// folder) is told once, through problem(), and the game goes on.

#include <QObject>
#include <QString>

namespace brimley {

class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    // Keeps the file at `path` from now on.
    explicit RecoveryKeeper(const QString& path, QObject* parent = nullptr);

    // The program's keeper, of the file at `path`. The program starts it; tests that do not, keep no file.
    static void start(const QString& path);
    // Null unless started.
    static RecoveryKeeper* instance();

    QString path() const { return filePath; }
    // Why the last write failed; empty while the file is kept.
    QString problem() const { return failure; }

signals:
    void problemChanged(const QString& problem);

private:
    void write();

    QString filePath;
    QString failure;
};

} // namespace brimley
