#include "cachedgroupbox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace
{
// Columns kept on each side of the stretched one: more than any style's corner and frame lines.
constexpr int Margin = 16;
// Copies of the middle column in the strip that is tiled over the box's middle.
constexpr int StripWidth = 64;
} // namespace

void TCachedGroupBox::paintEvent(QPaintEvent *Event)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const TKey key{size(),      devicePixelRatioF(),  option.state,
                   option.text, palette().cacheKey(), font(),
                   style()};
    if (!(key == FKey) || FPicture.isNull()) {
        FKey = key;
        // The title and the corners stay as drawn; the columns between them are all alike.
        const QRect title =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        FCut = std::max(title.right() + 1, 0) + Margin;
        FEnd = width() - Margin;
        if (FEnd <= FCut + 1)
            FCut = FEnd = width(); // narrow: the whole box
        option.rect = QRect(0, 0, width() - (FEnd - FCut) + (FCut < FEnd), height());
        FPicture = QPixmap(option.rect.size() * key.Ratio);
        FPicture.setDevicePixelRatio(key.Ratio);
        FPicture.fill(Qt::transparent);
        QPainter painter(&FPicture);
        painter.setFont(font());
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
        painter.end();
        // The middle column laid side by side, for blits as fast as the picture's own.
        FStrip = QPixmap(QSize(StripWidth, height()) * key.Ratio);
        FStrip.setDevicePixelRatio(key.Ratio);
        FStrip.fill(Qt::transparent);
        QPainter strip(&FStrip);
        strip.setCompositionMode(QPainter::CompositionMode_Source);
        strip.drawPixmap(QRect(0, 0, StripWidth, height()), FPicture,
                         QRectF(FCut * key.Ratio, 0, key.Ratio, height() * key.Ratio));
    }
    // Each rectangle of the repaint on its own, clipped to it, and the middle as copies of the
    // strip side by side rather than a tiling: so every copy is a plain blit in this thread. Under
    // a clip of several rectangles, or tiled, Qt's raster engine hands an area of more than about
    // a hundred rows to its thread pool and waits for it, which costs more than the copy.
    QPainter painter(this);
    const qreal r = key.Ratio;
    const auto blit = [&](const QRect &Box, const QPixmap &From, int Shift) {
        if (!Box.isEmpty())
            painter.drawPixmap(
                Box, From,
                QRectF((Box.left() + Shift) * r, Box.top() * r, Box.width() * r, Box.height() * r));
    };
    for (const QRect &part : Event->region()) {
        painter.setClipRect(part);
        // The left from the picture's columns as they are, the middle from the strip, the right
        // from the picture's shifted to follow it.
        blit(part.intersected(QRect(0, 0, FCut, height())), FPicture, 0);
        const QRect middle = part.intersected(QRect(FCut, 0, FEnd - FCut, height()));
        for (int x = middle.left(); x <= middle.right(); x += StripWidth)
            blit(QRect(x, middle.top(), std::min(StripWidth, middle.right() + 1 - x),
                       middle.height()),
                 FStrip, -x);
        blit(part.intersected(QRect(FEnd, 0, width() - FEnd, height())), FPicture, FCut + 1 - FEnd);
    }
}
