#include "cachedgroupbox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionGroupBox>

void TCachedGroupBox::paintEvent(QPaintEvent *Event)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const TKey key{size(),      devicePixelRatioF(),  option.state,
                   option.text, palette().cacheKey(), font(),
                   style()};
    if (!(key == FKey) || FPicture.isNull()) {
        FKey = key;
        FPicture = QPixmap(size() * key.Ratio);
        FPicture.setDevicePixelRatio(key.Ratio);
        FPicture.fill(Qt::transparent);
        QPainter painter(&FPicture);
        painter.setFont(font());
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
    }
    QPainter painter(this);
    const QRect part = Event->rect();
    painter.drawPixmap(part, FPicture, QRectF(part.topLeft() * key.Ratio, part.size() * key.Ratio));
}
