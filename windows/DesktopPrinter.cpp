// The certificate on the default printer, or saved as a PDF when no printer takes it.
#include "windows/DesktopPrinter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
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

// The paper of the family's country: US Letter where inches are the measure, A4 elsewhere.
static QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

bool DesktopPrinter::writePdf(QIODevice &out, const CertificatePage &certificate, const QPageSize &paper)
{
    QPdfWriter writer(&out);
    writer.setTitle(documentName);
    writer.setCreator(QStringLiteral("Scallywise"));
    writer.setPageSize(paper);
    return paintOnPage(writer, certificate);
}

QByteArray DesktopPrinter::pdfOf(const CertificatePage &certificate, const QPageSize &paper)
{
    // Drawn in memory, so that a disk that fills or fails is met by plain writes whose every
    // result is checked, rather than somewhere inside the PDF writer's buffering.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!writePdf(buffer, certificate, paper))
        return {};
    return buffer.data();
}

static QString candidateName(int number)
{
    if (number == 1)
        return DesktopPrinter::documentName + QStringLiteral(".pdf");
    return QStringLiteral("%1 (%2).pdf").arg(DesktopPrinter::documentName).arg(number);
}

wholefile::Saved DesktopPrinter::saveAsPdf(const QByteArray &pdf, const QString &folder)
{
    return wholefile::save(folder, documentName, pdf, candidateName, 9999);
}

bool DesktopPrinter::printOnDefaultPrinter(const CertificatePage &certificate)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return false;
    // The job is the very PDF that is saved when no printer takes it, text as text: Qt's own
    // printing would draw each control on the paper as a bitmap at the screen's resolution.
    const QPageSize queuePaper = printer.defaultPageSize();
    const QPageSize paper = queuePaper.isValid() ? queuePaper : localPaper();
    const QByteArray bytes = pdfOf(certificate, paper);
    QTemporaryFile pdf(QDir(QDir::tempPath()).filePath(QStringLiteral("scallywise-XXXXXX.pdf")));
    // A job cut short by a full disk would print a page that no printer can read.
    if (bytes.isEmpty() || !pdf.open() || pdf.write(bytes) != bytes.size() || !pdf.flush())
        return false;
    return sendToCups(printer.printerName(), pdf.fileName());
}

bool DesktopPrinter::sendToCups(const QString &printerName, const QString &file)
{
    // The CUPS library is asked for by name, not linked: linked, it and the TLS, Kerberos and Avahi
    // libraries under it would be loaded at start-up and kept for the whole game, some 3 MB, for a
    // page printed once at the end. Qt's printer support has loaded it once a printer is found.
    using GetNamedDest = cups_dest_t *(*)(http_t *, const char *, const char *);
    using FreeDests = void (*)(int, cups_dest_t *);
    using PrintFile = int (*)(const char *, const char *, const char *, int, cups_option_t *);
    const QString library = QStringLiteral("cups");
    const auto getNamedDest = reinterpret_cast<GetNamedDest>(QLibrary::resolve(library, 2, "cupsGetNamedDest"));
    const auto freeDests = reinterpret_cast<FreeDests>(QLibrary::resolve(library, 2, "cupsFreeDests"));
    const auto printFile = reinterpret_cast<PrintFile>(QLibrary::resolve(library, 2, "cupsPrintFile"));
    if (!getNamedDest || !freeDests || !printFile)
        return false;
    // Qt names an instance of a queue "queue/instance". The options the family saved for it
    // (lpoptions) go with the job, as lp sends them.
    const QByteArray queue = printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray instance = printerName.section(QLatin1Char('/'), 1).toUtf8();
    cups_dest_t *dest = getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), instance.isEmpty() ? nullptr : instance.constData());
    // The job's number, or 0 when CUPS did not take it: a queue that rejects jobs, a server gone.
    const int job = printFile(queue.constData(), QFile::encodeName(file).constData(), documentName.toUtf8().constData(),
                              dest ? dest->num_options : 0, dest ? dest->options : nullptr);
    if (dest)
        freeDests(1, dest);
    return job > 0;
}

CertificatePrinter::Outcome DesktopPrinter::print(const CertificatePage &certificate)
{
    if (printOnDefaultPrinter(certificate))
        return {Outcome::Kind::Printed, {}};
    const QByteArray pdf = pdfOf(certificate, localPaper());
    if (pdf.isEmpty())
        return {Outcome::Kind::Failed, {}};
    Outcome outcome;
    const QStringList folders = saveFolders_ ? *saveFolders_ : defaultSaveFolders();
    for (const QString &folder : folders) {
        const wholefile::Saved saved = saveAsPdf(pdf, folder);
        if (saved.error == 0)
            return {Outcome::Kind::Saved, saved.path, outcome.notSaved};
        outcome.notSaved.append({folder, saved.error});
    }
    return outcome;
}
