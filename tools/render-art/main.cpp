// render-art: draws every picture of the game from assets/ and writes the files the program embeds.
//
//   render-art <assets folder> <output folder>
//
// Writes <output>/pictures/*.bmp (24-bit uncompressed) and <output>/icons/*.ico (32 x 32, 16 colours).
// The same sources always give the same bytes: no clock, no randomness, no fonts.
#include "BmpFile.h"
#include "IcoFile.h"
#include "SheetSplit.h"

#include "assets/drawings/Drawings.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdio>

namespace {

struct Picture {
    const char *file;
    QSize size;
    QImage (*draw)();
};

constexpr Picture pictures[] = {
    {"title.bmp", {800, 600}, drawings::titleScene},
    {"ok.bmp", {76, 76}, drawings::okPicture},
    {"seascene.bmp", {735, 456}, drawings::seaScene},
    {"ship.bmp", {156, 135}, drawings::ship},
    {"certificate.bmp", {800, 600}, drawings::certificate},
};

constexpr QSize sheetSize{174, 364};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "render-art: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeBitmap(const QString &path, const QImage &picture, QSize expected)
{
    if (picture.size() != expected) {
        std::fprintf(stderr, "render-art: %s is %d x %d, must be %d x %d\n", qPrintable(path), picture.width(),
                     picture.height(), expected.width(), expected.height());
        return false;
    }
    return writeFile(path, bmp::encode24(picture));
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: render-art <assets folder> <output folder>\n");
        return 2;
    }
    const QDir assets(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!out.mkpath(QStringLiteral("pictures")) || !out.mkpath(QStringLiteral("icons"))) {
        std::fprintf(stderr, "render-art: cannot make the folders under %s\n", argv[2]);
        return 1;
    }

    bool ok = true;
    for (const Picture &picture : pictures)
        ok &= writeBitmap(out.filePath(QStringLiteral("pictures/") + QLatin1String(picture.file)), picture.draw(),
                          picture.size);

    const sheets::SpriteAndMask sheet = sheets::split(drawings::pirateSheet());
    ok &= writeBitmap(out.filePath(QStringLiteral("pictures/sprite.bmp")), sheet.sprite, sheetSize);
    ok &= writeBitmap(out.filePath(QStringLiteral("pictures/mask.bmp")), sheet.mask, sheetSize);

    // Icons are pixel art kept as XPM text in assets/icons/, one file each: every file there is one.
    const QDir iconFolder(assets.filePath(QStringLiteral("icons")));
    for (const QString &file : iconFolder.entryList({QStringLiteral("*.xpm")}, QDir::Files, QDir::Name)) {
        const QString name = file.chopped(4);
        const QString source = iconFolder.filePath(file);
        const QImage art(source, "XPM");
        if (art.isNull()) {
            std::fprintf(stderr, "render-art: cannot read %s\n", qPrintable(source));
            ok = false;
            continue;
        }
        const ico::Result icon = ico::encode4bpp(art);
        if (icon.file.isEmpty()) {
            std::fprintf(stderr, "render-art: %s: %s\n", qPrintable(source), qPrintable(icon.error));
            ok = false;
            continue;
        }
        ok &= writeFile(out.filePath(QStringLiteral("icons/%1.ico").arg(name)), icon.file);
    }
    return ok ? 0 : 1;
}
