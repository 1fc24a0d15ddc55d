// What the certificate window asks of a printer: put this picture on paper, or say where it went.
#pragma once

#include <QImage>
#include <QString>

class CertificatePrinter {
public:
    struct Outcome {
        enum class Kind {
            Printed,  // the job went to the default printer
            Saved,    // no printer took it: it was saved as a file instead
            Failed,   // neither: nothing was printed and nothing was saved
        };
        Kind kind = Kind::Failed;
        QString file;  // where it was saved
    };

    virtual ~CertificatePrinter() = default;
    virtual Outcome print(const QImage &certificate) = 0;
};
