// The certificate on the default printer, or saved as a PDF when no printer takes it.
#include "windows/DesktopPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cups/cups.h>
#include <fcntl.h>
#include <unistd.h>

const QString DesktopPrinter::documentName = QStringLiteral("Scallywise certificate");

DesktopPrinter::DesktopPrinter() = default;

DesktopPrinter::DesktopPrinter(QStringList saveFolders) : saveFolders_(std::move(saveFolders)) {}

QStringList DesktopPrinter::defaultSaveFolders()
{
    // A documents folder that does not exist is not made: the only file the game writes is the PDF.
    QStringList folders;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        folders << documents;
    const QString home = QDir::homePath();
    if (!folders.contains(home))
        folders << home;
    return folders;
}

bool DesktopPrinter::paintOnPage(QPagedPaintDevice &device, const CertificatePage &certificate)
{
    const QSize size = certificate.size;
    device.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    QRect target(QPoint(0, 0), size.scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(page.center());
    // The page is drawn in the window's pixels, scaled onto the paper: text stays text and lines
    // stay lines at the printer's resolution. Pictures are smoothed, and kept lossless on a PDF,
    // which Qt would otherwise compress as JPEG.
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / size.width(), double(target.height()) / size.height());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform
                           | QPainter::LosslessImageRendering);
    painter.setClipRect(QRect(QPoint(0, 0), size));
    certificate.draw(painter);
    return painter.end();
}

static QString candidateName(int number)
{
    if (number == 1)
        return DesktopPrinter::documentName + QStringLiteral(".pdf");
    return QStringLiteral("%1 (%2).pdf").arg(DesktopPrinter::documentName).arg(number);
}

// Creates the file only if nothing at all stands under its name: an existing file is never written
// over and a link, dangling or not, is never followed, also when it appears a moment earlier.
// -1 with errno EEXIST when the name is taken.
static int createNewFile(const QString &path)
{
    return ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

QString DesktopPrinter::saveAsPdf(const CertificatePage &certificate, const QString &folder)
{
    const QDir dir(folder);
    for (int number = 1; number < 10000; ++number) {
        const QString path = dir.filePath(candidateName(number));
        const int fd = createNewFile(path);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;  // a file, folder or link has the name: the next name may be free
            return {};     // the folder will not take a file
        }
        QFile file;
        bool drawn = false;
        if (file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            QPdfWriter writer(&file);
            writer.setTitle(documentName);
            writer.setCreator(QStringLiteral("Scallywise"));
            const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
            writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
            drawn = paintOnPage(writer, certificate);
        } else {
            ::close(fd);
        }
        file.close();
        if (!drawn || file.error() != QFileDevice::NoError) {
            QFile::remove(path);  // ours, and unfinished
            return {};
        }
        return QFileInfo(path).absoluteFilePath();
    }
    return {};
}

bool DesktopPrinter::printOnDefaultPrinter(const CertificatePage &certificate)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (!paintOnPage(printer, certificate))
        return false;
    return cupsTookTheJob();
}

bool DesktopPrinter::cupsTookTheJob()
{
    // Qt hands the finished job to CUPS without saying whether CUPS took it (a queue that rejects
    // jobs, a server gone meanwhile). CUPS keeps the answer to this thread's last request. The CUPS
    // library is asked for it by name, not linked: linked, it and the TLS, Kerberos and Avahi
    // libraries under it would be loaded at start-up and kept for the whole game, some 3 MB, for a
    // page printed once at the end. Qt's own CUPS printing has loaded it by the time a job is done.
    using LastError = ipp_status_t (*)();
    const auto lastError = reinterpret_cast<LastError>(QLibrary::resolve(QStringLiteral("cups"), 2, "cupsLastError"));
    return !lastError || lastError() <= IPP_STATUS_OK_EVENTS_COMPLETE;
}

CertificatePrinter::Outcome DesktopPrinter::print(const CertificatePage &certificate)
{
    if (printOnDefaultPrinter(certificate))
        return {Outcome::Kind::Printed, {}};
    const QStringList folders = saveFolders_ ? *saveFolders_ : defaultSaveFolders();
    for (const QString &folder : folders) {
        const QString saved = saveAsPdf(certificate, folder);
        if (!saved.isEmpty())
            return {Outcome::Kind::Saved, saved};
    }
    return {Outcome::Kind::Failed, {}};
}
