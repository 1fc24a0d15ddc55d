// Saving a file whole or not at all, under a new name in a folder, never over anything that is there.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace wholefile {

// Where the file went, or the system's error number (errno) for why the folder would not take it.
struct Saved {
    QString path;
    int error = 0;
};

// The hidden name of a file still being written, "<stem>-XXXXXX.part" after a dot: a reader that
// looks for the finished files' names never sees it, and the next save knows it as one of ours.
QString temporaryPrefix(const QString &stem);
inline const QString temporarySuffix = QStringLiteral(".part");

// Writes the bytes into a hidden temporary file in the folder, syncs it, and only then gives it the
// first of name(1), name(2), ... up to name(lastNumber) that nothing stands under, without ever
// replacing what stands there; then syncs the folder. On any error the temporary file is removed and
// nothing is left. A process killed at any moment leaves at most a hidden temporary file, which a
// later save in the same folder removes once no one holds it.
Saved save(const QString &folder, const QString &stem, const QByteArray &bytes,
           const std::function<QString(int)> &name, int lastNumber);

}  // namespace wholefile
