// What the certificate window asks of a printer: put this page on paper, or say where it went.
#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

// The certificate as a drawing rather than a picture, so that the paper gets it at the paper's own
// resolution: its text as text and its pictures scaled smoothly, not a screen's worth of pixels
// stretched over a sheet.
struct CertificatePage {
    QSize size;                              // in the window's pixels
    std::function<void(QPainter &)> draw;    // draws the page from (0, 0) to size, in those pixels

    CertificatePage(QSize size, std::function<void(QPainter &)> draw) : size(size), draw(std::move(draw)) {}
    // A page that is one picture.
    CertificatePage(const QImage &picture)  // NOLINT(google-explicit-constructor): a picture is a page
        : size(picture.size()), draw([picture](QPainter &p) { p.drawImage(QRect(QPoint(0, 0), picture.size()), picture); })
    {
    }

    // The page drawn at the window's own size, as the screen shows it.
    QImage image() const
    {
        QImage out(size, QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter p(&out);
        draw(p);
        return out;
    }
};

class CertificatePrinter {
public:
    // A folder that would not take the certificate, and the system's error number (errno) for why.
    struct NotSaved {
        QString folder;
        int error = 0;
    };
    struct Outcome {
        enum class Kind {
            Printed,  // the job went to the default printer
            Saved,    // no printer took it: it was saved as a file instead
            Failed,   // neither: nothing was printed and nothing was saved
        };
        Kind kind = Kind::Failed;
        QString file;  // where it was saved
        QList<NotSaved> notSaved;  // the folders tried first, in the order tried
    };

    virtual ~CertificatePrinter() = default;
    virtual Outcome print(const CertificatePage &certificate) = 0;
};
