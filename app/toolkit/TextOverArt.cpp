// The colour of role-coloured text over artwork, chosen so that it reads in any colour scheme.
#include "app/toolkit/TextOverArt.h"

#include <algorithm>
#include <vector>

#include "app/toolkit/Contrast.h"

namespace toolkit {

namespace {

struct RoleColour {
    QPalette::ColorRole role;
    QRgb rgb;
};

// Qt's light Fusion palette: black text on light grey, for windows and buttons alike.
constexpr RoleColour lightScheme[] = {
    {QPalette::WindowText, 0xFF000000u},
    {QPalette::ButtonText, 0xFF000000u},
    {QPalette::Text, 0xFF000000u},
};

}  // namespace

QColor lightSchemeColour(QPalette::ColorRole role)
{
    for (const RoleColour &c : lightScheme)
        if (c.role == role)
            return QColor::fromRgb(c.rgb);
    return {};
}

QColor backdropUnder(const QImage &picture, const QRect &place, const QColor &beyond)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRect inside = place & image.rect();
    struct Pixel {
        double luminance;
        QRgb rgb;
    };
    std::vector<Pixel> pixels;
    pixels.reserve(size_t(std::max(0, place.width() * place.height())));
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x)
            pixels.push_back({relativeLuminance(QColor::fromRgb(line[x])), line[x]});
    }
    const qsizetype outside = qsizetype(place.width()) * place.height() - qsizetype(pixels.size());
    pixels.insert(pixels.end(), size_t(std::max<qsizetype>(0, outside)), {relativeLuminance(beyond), beyond.rgb()});
    if (pixels.empty())
        return beyond;
    const auto middle = pixels.begin() + qsizetype(pixels.size() / 2);
    std::nth_element(pixels.begin(), middle, pixels.end(),
                     [](const Pixel &a, const Pixel &b) { return a.luminance < b.luminance; });
    return QColor::fromRgb(middle->rgb);
}

QColor readableRoleColour(QPalette::ColorRole role, const QPalette &theme, const QColor &backdrop)
{
    const QColor own = theme.color(QPalette::Active, role);
    const QColor light = lightSchemeColour(role);
    if (!light.isValid() || contrastRatio(own, backdrop) >= readableContrast)
        return own;
    return light;
}

}  // namespace toolkit
