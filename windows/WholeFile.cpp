// A file written whole into a hidden temporary file, synced, then given a free name without replacing anything.
#include "windows/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wholefile {

QString temporaryPrefix(const QString &stem) { return QLatin1Char('.') + stem + QLatin1Char('-'); }

namespace {

constexpr int randomLetters = 6;

// A descriptor closed when it goes out of scope; close() is called by hand where its result counts.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    explicit Descriptor(int fd) : fd(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    // Closes it and says whether the system took every byte: on some filesystems (NFS) close() is
    // where a write error is reported.
    int closeChecked()
    {
        const int result = ::close(fd);
        fd = -1;
        return result == 0 || errno == EINTR ? 0 : errno;
    }
};

bool isOurTemporary(const QByteArray &name, const QByteArray &prefix)
{
    const QByteArray suffix = QFile::encodeName(temporarySuffix);
    return name.size() == prefix.size() + randomLetters + suffix.size() && name.startsWith(prefix)
           && name.endsWith(suffix);
}

// Removes the temporary files of saves that were killed before they finished: ours by their name,
// plain files, and held by no one (a save in progress holds a lock on its file until it is named).
// Nothing else in the folder is touched.
void removeAbandoned(int folder, const QByteArray &prefix)
{
    const int listing = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
    if (listing < 0)
        return;
    DIR *dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!isOurTemporary(name, prefix))
            continue;
        const Descriptor file(::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat held {}, named {};
        if (file.fd < 0 || ::fstat(file.fd, &held) != 0 || !S_ISREG(held.st_mode))
            continue;
        if (::flock(file.fd, LOCK_EX | LOCK_NB) != 0)
            continue;  // a save is writing it, or the filesystem cannot say
        // Only the very file that was found unheld, if the name still leads to it.
        if (::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == held.st_dev
            && named.st_ino == held.st_ino)
            ::unlinkat(folder, name.constData(), 0);
    }
    ::closedir(dir);
}

// A temporary file of our naming, made new, locked for as long as 'lock' stays open.
// Returns its descriptor for writing, or -errno.
int createTemporary(int folder, const QByteArray &prefix, QByteArray &name, Descriptor &lock)
{
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix;
        for (int i = 0; i < randomLetters; ++i)
            name += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
        name += QFile::encodeName(temporarySuffix);
        const int fd = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return -errno;
        }
        // The lock lives on a second descriptor of the same open file, so that the writing one can
        // be closed, and its result checked, before the file is named.
        lock.fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        struct stat made {};
        if (lock.fd >= 0)
            ::flock(lock.fd, LOCK_EX | LOCK_NB);
        // Another save's clean-up may have taken it between its making and its locking.
        if (::fstat(fd, &made) == 0 && made.st_nlink > 0)
            return fd;
        ::close(fd);
        ::close(lock.fd);
        lock.fd = -1;
    }
    return -EEXIST;
}

int writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += written;
        left -= written;
    }
    return 0;
}

// Gives the temporary file the name unless something stands under it: 0, EEXIST, or another errno.
int giveName(int folder, const QByteArray &temporary, const QByteArray &name)
{
    if (::renameat2(folder, temporary.constData(), folder, name.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return errno;
    // A filesystem that cannot rename without replacing: a second link fails on any name taken.
    if (::linkat(folder, temporary.constData(), folder, name.constData(), 0) != 0)
        return errno;
    ::unlinkat(folder, temporary.constData(), 0);
    return 0;
}

}  // namespace

Saved save(const QString &folder, const QString &stem, const QByteArray &bytes,
           const std::function<QString(int)> &name, int lastNumber)
{
    const Descriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0)
        return {{}, errno};
    const QByteArray prefix = QFile::encodeName(temporaryPrefix(stem));
    removeAbandoned(dir.fd, prefix);

    QByteArray temporary;
    Descriptor lock;
    Descriptor out(createTemporary(dir.fd, prefix, temporary, lock));
    if (out.fd < 0)
        return {{}, -out.fd};
    int error = writeAll(out.fd, bytes);
    if (!error && ::fsync(out.fd) != 0)
        error = errno;
    if (!error)
        error = out.closeChecked();
    for (int number = 1; !error && number <= lastNumber; ++number) {
        const QByteArray finished = QFile::encodeName(name(number));
        error = giveName(dir.fd, temporary, finished);
        if (error == EEXIST) {
            error = 0;
            continue;  // a file, folder or link has the name: the next name may be free
        }
        if (error)
            break;
        // The name itself must survive a power cut; a folder that cannot be synced at all says EINVAL.
        if (::fsync(dir.fd) != 0 && errno != EINVAL) {
            error = errno;
            ::unlinkat(dir.fd, finished.constData(), 0);
            return {{}, error};
        }
        return {QFileInfo(QDir(folder).filePath(name(number))).absoluteFilePath(), 0};
    }
    ::unlinkat(dir.fd, temporary.constData(), 0);
    return {{}, error ? error : EEXIST};
}

}  // namespace wholefile
