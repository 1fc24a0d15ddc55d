// Why the certificate could not be saved, in words a parent understands.
#pragma once

#include <QList>
#include <QString>

#include "windows/CertificatePrinter.h"

namespace notsaved {

// "the Documents folder is full, and the home folder cannot be written to (it is read-only)":
// each folder tried, named as the family knows it, and what the system said of it.
QString words(const QList<CertificatePrinter::NotSaved> &notSaved);

// How the family knows the folder: "the Documents folder", "the home folder", or its path.
QString folderName(const QString &folder);

}  // namespace notsaved
