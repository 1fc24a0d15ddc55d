// The system's reasons for not taking a file, told as a parent would say them.
#include "windows/NotSavedWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace notsaved {

namespace {

// %1 is the folder's name.
struct Reason {
    int error;
    const char *words;
};

constexpr Reason reasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("notsaved", "%1 is full")},
    {EDQUOT, QT_TRANSLATE_NOOP("notsaved", "%1 is full (the space allowed to this user is used up)")},
    {EROFS, QT_TRANSLATE_NOOP("notsaved", "%1 cannot be written to (it is read-only)")},
    {EACCES, QT_TRANSLATE_NOOP("notsaved", "saving in %1 is not allowed")},
    {EPERM, QT_TRANSLATE_NOOP("notsaved", "saving in %1 is not allowed")},
    {ENOENT, QT_TRANSLATE_NOOP("notsaved", "%1 does not exist")},
    {ENOTDIR, QT_TRANSLATE_NOOP("notsaved", "%1 does not exist")},
    {EIO, QT_TRANSLATE_NOOP("notsaved", "%1 could not be written (the disk reported a fault)")},
    {EEXIST, QT_TRANSLATE_NOOP("notsaved", "%1 has no free name left for a certificate")},
};

QString reasonFor(int error, const QString &folder)
{
    for (const Reason &reason : reasons)
        if (reason.error == error)
            return QCoreApplication::translate("notsaved", reason.words).arg(folder);
    return QCoreApplication::translate("notsaved", "%1 could not be written (%2)")
        .arg(folder, QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace

QString folderName(const QString &folder)
{
    const QString path = QDir::cleanPath(folder);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && path == QDir::cleanPath(documents) && path != QDir::cleanPath(QDir::homePath()))
        return QCoreApplication::translate("notsaved", "the Documents folder");
    if (path == QDir::cleanPath(QDir::homePath()))
        return QCoreApplication::translate("notsaved", "the home folder");
    return QCoreApplication::translate("notsaved", "the folder %1").arg(QDir::toNativeSeparators(path));
}

QString words(const QList<CertificatePrinter::NotSaved> &notSaved)
{
    QStringList told;
    for (const CertificatePrinter::NotSaved &place : notSaved)
        told << reasonFor(place.error, folderName(place.folder));
    return told.join(QCoreApplication::translate("notsaved", ", and "));
}

}  // namespace notsaved
