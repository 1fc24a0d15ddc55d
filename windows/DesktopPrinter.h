// The desktop's printer for the certificate: the default printer through CUPS, and when there is
// none or it refuses the job, a PDF in the player's documents folder that never overwrites a file.
#pragma once

#include <QStringList>
#include <optional>

#include "windows/CertificatePrinter.h"
#include "windows/WholeFile.h"

class QIODevice;
class QPageSize;
class QPagedPaintDevice;

class DesktopPrinter : public CertificatePrinter {
public:
    // The name the certificate's job carries, and the stem of the saved file's name.
    static const QString documentName;

    // Saves go to the first of the default folders, as they are at the moment of printing, that
    // takes the file; or to the first of the given folders that does.
    DesktopPrinter();
    explicit DesktopPrinter(QStringList saveFolders);

    Outcome print(const CertificatePage &certificate) override;

    // The documents folder if there is one, then the home folder.
    static QStringList defaultSaveFolders();

    // Writes the certificate onto the device as a one-page PDF of that paper.
    static bool writePdf(QIODevice &out, const CertificatePage &certificate, const QPageSize &paper);

    // The certificate as a one-page PDF of that paper, whole, or empty if it could not be drawn.
    static QByteArray pdfOf(const CertificatePage &certificate, const QPageSize &paper);

    // Saves the PDF in the folder, whole or not at all, under a name that no file there has yet.
    static wholefile::Saved saveAsPdf(const QByteArray &pdf, const QString &folder);

private:
    // Draws the certificate as large as the page allows, proportions kept, centred, at the
    // device's own resolution; false if the device would not take it.
    static bool paintOnPage(QPagedPaintDevice &device, const CertificatePage &certificate);
    static bool printOnDefaultPrinter(const CertificatePage &certificate);
    // Gives the PDF file to CUPS as a job for the printer; false if CUPS did not take it.
    static bool sendToCups(const QString &printerName, const QString &file);

    std::optional<QStringList> saveFolders_;
};
