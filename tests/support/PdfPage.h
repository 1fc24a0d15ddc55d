// Reading a printed or saved certificate back: the PDF's first page rasterised with pdftoppm,
// where the picture lies on it, and how closely two pictures agree.
#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace pdfpage {

// The first page at the given resolution, or a null image if pdftoppm could not read the file.
inline QImage rasterise(const QString &pdf, int dotsPerInch = 72)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dotsPerInch),
                                                QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

inline bool isPaper(QRgb p) { return qRed(p) > 245 && qGreen(p) > 245 && qBlue(p) > 245; }

// The smallest rectangle that holds every pixel that is not white paper.
inline QRect inkedArea(const QImage &page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!isPaper(page.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

inline int channelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The mean, over all pixels, of the largest channel difference: 0 for equal pictures, 255 at most.
inline double meanDistance(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32).scaled(left.size());
    double sum = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            sum += channelDistance(left.pixel(x, y), right.pixel(x, y));
    return sum / (double(left.width()) * left.height());
}

// What a program of poppler's prints about the file, or an empty string if it could not read it.
inline QString popplerSays(const QString &program, QStringList arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// How many pages a reader finds in the file (pdfinfo), or -1 if it cannot read it: a file cut short
// has no trailer and no pages.
inline int pageCount(const QString &pdf)
{
    const QString info = popplerSays(QStringLiteral("pdfinfo"), {pdf});
    for (const QString &line : info.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

// The text on the pages, as text: what a reader of the file can select, search and copy.
inline QString text(const QString &pdf)
{
    return popplerSays(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
}

// The fonts the pages draw their glyphs from, by name: text drawn as text rather than as pictures.
inline QStringList fonts(const QString &pdf)
{
    // pdffonts: name type encoding emb sub uni object ID, under two lines of heading
    QStringList names;
    const QStringList lines = popplerSays(QStringLiteral("pdffonts"), {pdf}).split('\n', Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(2))
        names << line.section(' ', 0, 0);
    return names;
}

// The pictures in the file: how each is stored, and how many of its pixels fall on an inch of paper.
struct Image {
    QString encoding;  // "image" (lossless), "jpeg", ...
    int xPpi = 0, yPpi = 0;
};
inline std::vector<Image> images(const QString &pdf)
{
    // pdfimages -list: page num type width height color comp bpc enc interp object ID x-ppi y-ppi size ratio
    std::vector<Image> found;
    const QStringList lines = popplerSays(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n');
    for (const QString &line : lines.mid(2)) {
        const QStringList cells = line.simplified().split(' ');
        if (cells.size() >= 14)
            found.push_back({cells[8], cells[12].toInt(), cells[13].toInt()});
    }
    return found;
}

// The picture cut out of the page and brought back to the size it was printed from.
inline QImage pictureFromPage(const QImage &page, const QSize &printedSize)
{
    return page.copy(inkedArea(page)).scaled(printedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace pdfpage
