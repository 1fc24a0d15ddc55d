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
#include <cups/cups.h>

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

bool DesktopPrinter::paintOnPage(QPagedPaintDevice &device, const QImage &picture)
{
    device.setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    QRect target(QPoint(0, 0), picture.size().scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(page.center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    return painter.end();
}

static QString candidateName(int number)
{
    if (number == 1)
        return DesktopPrinter::documentName + QStringLiteral(".pdf");
    return QStringLiteral("%1 (%2).pdf").arg(DesktopPrinter::documentName).arg(number);
}

QString DesktopPrinter::saveAsPdf(const QImage &picture, const QString &folder)
{
    const QDir dir(folder);
    for (int number = 1; number < 10000; ++number) {
        QFile file(dir.filePath(candidateName(number)));
        if (file.exists())
            continue;
        // NewOnly creates the file or fails: a file that appears meanwhile is never overwritten.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists())
                continue;
            return {};
        }
        bool drawn = false;
        {
            QPdfWriter writer(&file);
            writer.setTitle(documentName);
            writer.setCreator(QStringLiteral("Scallywise"));
            const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
            writer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
            drawn = paintOnPage(writer, picture);
        }
        file.close();
        if (!drawn || file.error() != QFileDevice::NoError) {
            file.remove();  // ours, and unfinished
            return {};
        }
        return QFileInfo(file).absoluteFilePath();
    }
    return {};
}

bool DesktopPrinter::printOnDefaultPrinter(const QImage &picture)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return false;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    if (!paintOnPage(printer, picture))
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

CertificatePrinter::Outcome DesktopPrinter::print(const QImage &certificate)
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
