// Every picture and icon exists in the build tree and in the program's resources, in the exact format.
#include "ArtFiles.h"

#include "app/toolkit/Pictures.h"
#include "roster/CrewRoster.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct BitmapCase {
    const char *name;
    int width;
    int height;
};

constexpr BitmapCase bitmaps[] = {
    {"title", 800, 600},  {"ok", 76, 76},        {"seascene", 735, 456},   {"sprite", 174, 364},
    {"mask", 174, 364},   {"ship", 156, 135},    {"certificate", 800, 600},
};

// The icons besides the crew's portraits, which are read from the crew's rows.
constexpr const char *otherIcons[] = {"pirateface", "parrot"};

// Each pirate's portrait, as its icon's name: ":/icons/patchy.ico" is "patchy".
std::vector<QString> portraits()
{
    std::vector<QString> names;
    for (const roster::Pirate &pirate : roster::crew)
        names.push_back(QFileInfo(QString::fromUtf8(pirate.picture.data(), qsizetype(pirate.picture.size()))).baseName());
    return names;
}

QByteArray resource(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The bitmaps are 24-bit, uncompressed, exactly their size, and embedded byte for byte as rendered.
TEST(PictureFiles, BitmapsAre24BitUncompressedAtTheirSizes)
{
    for (const BitmapCase &c : bitmaps) {
        SCOPED_TRACE(c.name);
        const QString name = QStringLiteral("%1.bmp").arg(QLatin1String(c.name));
        const QByteArray file = artfiles::readAll(artfiles::artPath(QStringLiteral("pictures/") + name));
        ASSERT_FALSE(file.isEmpty());
        const artfiles::BitmapHeader h = artfiles::bitmapHeader(file);
        ASSERT_TRUE(h.valid);
        EXPECT_EQ(h.width, c.width);
        EXPECT_EQ(std::abs(h.height), c.height);
        EXPECT_EQ(h.bitsPerPixel, 24);
        EXPECT_EQ(h.compression, 0u);
        const int stride = (c.width * 3 + 3) & ~3;
        EXPECT_EQ(h.fileSize, std::uint32_t(file.size()));
        EXPECT_EQ(qsizetype(h.pixelOffset) + qsizetype(stride) * c.height, file.size());

        EXPECT_EQ(resource(QStringLiteral(":/pictures/") + name), file);
        const QImage loaded(QStringLiteral(":/pictures/") + name);
        EXPECT_EQ(loaded.size(), QSize(c.width, c.height));
    }
}

// The icons are 32 x 32, 4 bits per pixel with at most 16 colours, and Qt reads them as they are meant.
TEST(PictureFiles, IconsAre32By32With16ColoursAndAMask)
{
    std::vector<QString> names = portraits();
    names.insert(names.end(), std::begin(otherIcons), std::end(otherIcons));
    for (const QString &n : names) {
        SCOPED_TRACE(n.toStdString());
        const QString name = n + ".ico";
        const QByteArray file = artfiles::readAll(artfiles::artPath(QStringLiteral("icons/") + name));
        const artfiles::Icon icon = artfiles::icon(file);
        ASSERT_TRUE(icon.valid);
        EXPECT_EQ(icon.bitsPerPixel, 4);
        EXPECT_LE(icon.paletteSize, 16);
        EXPECT_LE(icon.coloursUsed, 16);
        EXPECT_GE(icon.coloursUsed, 4) << "a drawing, not a blot";

        EXPECT_EQ(resource(QStringLiteral(":/icons/") + name), file);
        const QImage loaded = QImage(QStringLiteral(":/icons/") + name).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(loaded.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(qAlpha(loaded.pixel(x, y)) > 0, qAlpha(icon.image.pixel(x, y)) > 0) << x << "," << y;
    }
}

// The portraits are heads in a circle: the corners show what lies behind, and no two faces are alike.
TEST(PictureFiles, PortraitsAreDistinctHeadsInCircles)
{
    std::vector<QImage> seen;
    for (const QString &n : portraits()) {
        SCOPED_TRACE(n.toStdString());
        const artfiles::Icon icon = artfiles::icon(artfiles::readAll(artfiles::artPath("icons/" + n + ".ico")));
        ASSERT_TRUE(icon.valid);
        for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31), QPoint(2, 2), QPoint(29, 29)})
            EXPECT_EQ(qAlpha(icon.image.pixel(corner)), 0) << corner.x() << "," << corner.y();
        EXPECT_GT(qAlpha(icon.image.pixel(16, 16)), 0);
        for (const QImage &other : seen)
            EXPECT_NE(icon.image, other);
        seen.push_back(icon.image);
    }
}

// The parrot pointer's hot spot is the tip of its beak: the parrot's top-left-most pixel.
TEST(PictureFiles, ParrotPointerHotSpotIsTheBeakTip)
{
    const artfiles::Icon parrot = artfiles::icon(artfiles::readAll(artfiles::artPath(QStringLiteral("icons/parrot.ico"))));
    ASSERT_TRUE(parrot.valid);
    const QPoint tip = art::parrotHotSpot;
    EXPECT_GT(qAlpha(parrot.image.pixel(tip)), 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (x < tip.x() || y < tip.y()) {
                EXPECT_EQ(qAlpha(parrot.image.pixel(x, y)), 0) << x << "," << y << " lies beyond the beak";
            }
}

}  // namespace
