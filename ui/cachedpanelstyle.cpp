#include "cachedpanelstyle.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionFrame>

void TCachedPanelStyle::drawPrimitive(PrimitiveElement Element, const QStyleOption *Option,
                                      QPainter *Painter, const QWidget *Widget) const
{
    const auto *panel = qstyleoption_cast<const QStyleOptionFrame *>(Option);
    if (Element != PE_PanelLineEdit || !panel) {
        QProxyStyle::drawPrimitive(Element, Option, Painter, Widget);
        return;
    }
    // Everything of the option that the panel is drawn from; the text is drawn on it later.
    const qreal ratio = Painter->device()->devicePixelRatioF();
    const QString key = QStringLiteral("kordal-panel %1 %2x%3 %4 %5 %6 %7 %8 %9")
                            .arg(baseStyle()->name())
                            .arg(panel->rect.width())
                            .arg(panel->rect.height())
                            .arg(uint(panel->state))
                            .arg(panel->palette.cacheKey())
                            .arg(panel->lineWidth)
                            .arg(panel->midLineWidth)
                            .arg(uint(panel->features))
                            .arg(ratio);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        picture = QPixmap(panel->rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QStyleOptionFrame at(*panel);
        at.rect.moveTo(0, 0);
        QPainter painter(&picture);
        QProxyStyle::drawPrimitive(Element, &at, &painter, Widget);
        painter.end();
        QPixmapCache::insert(key, picture);
    }
    Painter->drawPixmap(panel->rect.topLeft(), picture);
}
