#include "cachedgroupbox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace
{
// Columns kept on each side of the stretched one: more than any style's corner and frame lines.
constexpr int Margin = 16;
// Rows of a fill at most: Qt's raster engine hands a blend of 96 rows or more to its thread pool
// and waits for it, which costs more than the blend.
constexpr int FillRows = 64;
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
        // A fill of a colour blends exactly as a copy of its pixels, without fetching them.
        FMiddle.clear();
        const QImage picture =
            FPicture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const auto at = [&, column = int(FCut * key.Ratio)](int y) {
            return reinterpret_cast<const QRgb *>(picture.constScanLine(y))[column];
        };
        for (int y = 0, end = 0; FCut < FEnd && y < picture.height(); y = end) {
            for (end = y + 1; end < picture.height() && end - y < FillRows && at(end) == at(y);)
                ++end;
            if (qAlpha(at(y)) != 0)
                FMiddle.push_back(
                    {y, end, QColor::fromRgba64(qUnpremultiply(QRgba64::fromArgb32(at(y))))});
        }
    }
    // Each rectangle of the repaint on its own, clipped to it: under a clip of several rectangles
    // a copy goes through the same blend of spans as a fill, and to the thread pool with it.
    QPainter painter(this);
    const qreal r = key.Ratio;
    const auto blit = [&](const QRect &Box, int Shift) {
        if (!Box.isEmpty())
            painter.drawPixmap(
                Box, FPicture,
                QRectF((Box.left() + Shift) * r, Box.top() * r, Box.width() * r, Box.height() * r));
    };
    for (const QRect &part : Event->region()) {
        painter.setClipRect(part);
        // The left from the picture's columns as they are, the middle filled run by run, the
        // right from the picture's shifted to follow it.
        blit(part.intersected(QRect(0, 0, FCut, height())), 0);
        const QRectF middle = part.intersected(QRect(FCut, 0, FEnd - FCut, height()));
        for (const TRun &run : FMiddle) {
            const QRectF rows = middle.intersected(
                QRectF(middle.left(), run.Top / r, middle.width(), (run.Bottom - run.Top) / r));
            if (!rows.isEmpty())
                painter.fillRect(rows, run.Colour);
        }
        blit(part.intersected(QRect(FEnd, 0, width() - FEnd, height())), FCut + 1 - FEnd);
    }
}
