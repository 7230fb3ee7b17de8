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
    // Each of the three parts the repaint reaches: the left from the picture's columns as they
    // are, the middle from the strip, the right from the picture's shifted to follow it.
    QPainter painter(this);
    const QRect part = Event->rect();
    const qreal r = key.Ratio;
    const auto blit = [&](const QRect &Box, int From) {
        if (!Box.isEmpty())
            painter.drawPixmap(
                Box, FPicture,
                QRectF((Box.left() + From) * r, Box.top() * r, Box.width() * r, Box.height() * r));
    };
    blit(part.intersected(QRect(0, 0, FCut, height())), 0);
    const QRect middle = part.intersected(QRect(FCut, 0, FEnd - FCut, height()));
    if (!middle.isEmpty())
        painter.drawTiledPixmap(middle, FStrip, QPoint(0, middle.top()));
    blit(part.intersected(QRect(FEnd, 0, width() - FEnd, height())), FCut + 1 - FEnd);
}
