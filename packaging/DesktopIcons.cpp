// Turns the 32 x 32 pirate-face icon into the desktop's icon theme files: PNGs at the theme's usual
// sizes and an SVG of the same pixel grid, all without smoothing, so the pixel art stays crisp.
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTextStream>
#include <cstdio>

namespace {

// A size that divides the art averages each block of art pixels, so that no pixel of the face (an
// eye, the patch) vanishes; every other size takes the nearest art pixel, whole multiples included.
QImage resized(const QImage &art, int size)
{
    if (size < art.width() && art.width() % size == 0) {
        const int block = art.width() / size;
        QImage out(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                int a = 0, r = 0, g = 0, b = 0;
                for (int dy = 0; dy < block; ++dy) {
                    for (int dx = 0; dx < block; ++dx) {
                        const QRgb p = art.pixel(x * block + dx, y * block + dy);
                        a += qAlpha(p);
                        r += qRed(p) * qAlpha(p);
                        g += qGreen(p) * qAlpha(p);
                        b += qBlue(p) * qAlpha(p);
                    }
                }
                const int n = block * block;
                out.setPixel(x, y, a == 0 ? qRgba(0, 0, 0, 0) : qRgba(r / a, g / a, b / a, a / n));
            }
        }
        return out;
    }
    return art.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// One rectangle per run of equal pixels in a row; crispEdges keeps the squares sharp at any size.
QString svgOf(const QImage &art)
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << art.width() << "\" height=\"" << art.height()
        << "\" viewBox=\"0 0 " << art.width() << ' ' << art.height() << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width();) {
            const QRgb p = art.pixel(x, y);
            int run = 1;
            while (x + run < art.width() && art.pixel(x + run, y) == p)
                ++run;
            if (qAlpha(p) > 0) {
                out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << run << "\" height=\"1\" fill=\""
                    << QColor(p).name(QColor::HexRgb) << '"';
                if (qAlpha(p) < 255)
                    out << " fill-opacity=\"" << QString::number(qAlpha(p) / 255.0, 'f', 3) << '"';
                out << "/>\n";
            }
            x += run;
        }
    }
    out << "</svg>\n";
    return svg;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);  // the icon reader is a plugin
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: desktop-icons ICON OUTPUT-DIR ICON-NAME SIZE...\n");
        return 2;
    }
    QImageReader reader(args[1]);
    const QImage art = reader.read().convertToFormat(QImage::Format_ARGB32);
    if (art.isNull()) {
        std::fprintf(stderr, "desktop-icons: cannot read %s: %s\n", qPrintable(args[1]),
                     qPrintable(reader.errorString()));
        return 1;
    }
    const QString outDir = args[2];
    const QString name = args[3];
    for (int i = 4; i < args.size(); ++i) {
        const int size = args[i].toInt();
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(outDir).arg(size).arg(name);
        QDir().mkpath(QFileInfo(path).path());
        if (size <= 0 || !resized(art, size).save(path, "PNG")) {
            std::fprintf(stderr, "desktop-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svgPath = QStringLiteral("%1/scalable/apps/%2.svg").arg(outDir, name);
    if (!write(svgPath, svgOf(art).toUtf8())) {
        std::fprintf(stderr, "desktop-icons: cannot write %s\n", qPrintable(svgPath));
        return 1;
    }
    return 0;
}
