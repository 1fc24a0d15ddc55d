// Contrast between two colours, and a text colour made readable on its background.
#include "app/toolkit/Contrast.h"

#include <algorithm>
#include <cmath>

namespace toolkit {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(const QColor &c)
{
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &text, const QColor &background)
{
    // Move the text's lightness away from the background's, keeping its hue, one step at a time:
    // the least change that reads, so the text still looks like the desktop's disabled text.
    const bool darken = relativeLuminance(background) > 0.18;
    QColor c = text.toHsl();
    for (int step = 0; step < 256 && contrastRatio(c, background) < readableContrast; ++step) {
        const int l = c.lightness() + (darken ? -1 : 1);
        if (l < 0 || l > 255)
            break;
        c.setHsl(c.hslHue(), c.hslSaturation(), l, c.alpha());
    }
    return c.toRgb();
}

void makeDisabledTextReadable(QPalette &palette)
{
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     readableOn(palette.color(QPalette::Disabled, QPalette::Text),
                                palette.color(QPalette::Disabled, QPalette::Base)));
}

}  // namespace toolkit
