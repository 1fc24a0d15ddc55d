// FittingLabel: a caption made smaller, then wrapped onto two lines, until it shows whole.
#include "app/toolkit/FittingLabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace toolkit {
namespace {

// Point sizes from one size down to another in half-point steps, ending on the smaller one itself.
std::vector<double> sizesFrom(double from, double to)
{
    std::vector<double> sizes;
    for (double points = from; points > to; points -= FittingLabel::pointStep)
        sizes.push_back(points);
    sizes.push_back(to);
    return sizes;
}

// What a line covers when drawn from its baseline at x 0: across, its advance and the ink of its
// glyphs, which italics carry past the advance; down, the ink and the underline. Empty for a line
// that draws nothing.
QRectF extentOf(const QString &line, const QFont &font, QPaintDevice *device)
{
    const QFontMetricsF metrics(font, device);
    const qreal advance = metrics.horizontalAdvance(line);
    const QRectF underline = font.underline() && advance > 0
                                 ? QRectF(0, metrics.underlinePos(), advance, metrics.lineWidth())
                                 : QRectF();
    const QRectF ink = metrics.boundingRect(line);
    if (ink.isEmpty())
        return underline;  // spaces alone: only the underline shows
    const qreal left = std::min<qreal>(0, ink.left()), right = std::max(advance, ink.right());
    const qreal bottom = underline.isEmpty() ? ink.bottom() : std::max(ink.bottom(), underline.bottom());
    return QRectF(QPointF(left, ink.top()), QPointF(right, bottom));
}

// The caption broken at spaces (or inside a word too long for a line) into lines no wider than
// width, with the space at each break left out; at most maxLines, the last holding the rest.
QStringList wrapped(const QString &caption, const QFont &font, qreal width, int maxLines, QPaintDevice *device)
{
    QTextLayout layout(caption, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() + 1 == maxLines) {
            lines << caption.mid(line.textStart());
            break;
        }
        QString piece = caption.mid(line.textStart(), line.textLength());
        while (piece.size() > 1 && piece.back().isSpace())
            piece.chop(1);
        lines << piece;
    }
    layout.endLayout();
    return lines;
}

// Where each line is drawn from, its baseline's left end, in a label of the given size: centred
// by what the line covers, the first line's ink a pixel below the top, the next a line lower.
QList<QPointF> origins(const QStringList &lines, const QFont &font, QSizeF size, QPaintDevice *device)
{
    const QFontMetricsF metrics(font, device);
    QList<QPointF> placed;
    qreal baseline = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF box = extentOf(lines[i], font, device);
        baseline = i == 0 ? std::max(metrics.ascent(), 1 - box.top()) : baseline + metrics.lineSpacing();
        // On whole pixels, as glyphs are drawn crisply there; rounded down the first line would rise.
        baseline = std::ceil(baseline);
        placed << QPointF(qRound((size.width() - box.width()) / 2 - box.left()), baseline);
    }
    return placed;
}

}  // namespace

FittingLabel::FittingLabel(QWidget *parent) : QLabel(parent) {}

FittingLabel::Fit FittingLabel::fit() const
{
    const QString caption = text();
    const QSize size = contentsRect().size();
    if (fitted_ && caption == fittedText_ && font() == fittedFont_ && size == fittedSize_)
        return fit_;

    auto *device = const_cast<FittingLabel *>(this);
    // Every line's ink a pixel clear of the label's edges, so that nothing of it is cut.
    const QRectF inside = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    const auto fits = [&](const QStringList &lines, const QFont &font) {
        const QList<QPointF> at = origins(lines, font, size, device);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QRectF box = extentOf(lines[i], font, device);
            if (!box.isEmpty() && !inside.contains(box.translated(at[i])))
                return false;
        }
        return true;
    };

    fit_ = [&]() -> Fit {
        QFont font = this->font();
        const double own = font.pointSizeF();
        for (double points : sizesFrom(own, std::min(own, smallestOnOneLine))) {
            font.setPointSizeF(points);
            if (fits({caption}, font))
                return {font, {caption}};
        }
        for (double points : sizesFrom(std::min(own, smallestOnOneLine), smallest)) {
            font.setPointSizeF(points);
            const QStringList lines = wrapped(caption, font, inside.width(), 3, device);
            if (lines.size() <= 2 && fits(lines, font))
                return {font, lines};
        }
        // Longer than two lines can hold even at the smallest size: the rest is left out, visibly.
        QStringList lines = wrapped(caption, font, inside.width(), 2, device);
        lines.back() = QFontMetricsF(font, device).elidedText(lines.back(), Qt::ElideRight, inside.width() - 4);
        return {font, lines};
    }();
    fitted_ = true;
    fittedText_ = caption;
    fittedFont_ = font();
    fittedSize_ = size;
    return fit_;
}

void FittingLabel::paintEvent(QPaintEvent *)
{
    const Fit shown = fit();
    const QRect area = contentsRect();
    const QList<QPointF> at = origins(shown.lines, shown.font, area.size(), this);
    QPainter painter(this);
    painter.setFont(shown.font);
    painter.setPen(palette().color(foregroundRole()));
    for (qsizetype i = 0; i < shown.lines.size(); ++i)
        painter.drawText(at[i] + area.topLeft(), shown.lines[i]);
}

}  // namespace toolkit
