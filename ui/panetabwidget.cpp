#include "panetabwidget.h"
#include "cachedgroupbox.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>

void TPaneTabWidget::resizeEvent(QResizeEvent *Event)
{
    ++FChanges;
    QTabWidget::resizeEvent(Event);
}

void TPaneTabWidget::changeEvent(QEvent *Event)
{
    ++FChanges;
    QTabWidget::changeEvent(Event);
}

quint64 TPaneTabWidget::PaneNumber() const
{
    const auto *box = qobject_cast<const TCachedGroupBox *>(parentWidget());
    return ((box ? box->PictureNumber() : 0) << 32) + FChanges;
}

// As QTabWidget paints itself.
void TPaneTabWidget::PaintPane(QPainter &Painter) const
{
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &option, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &Painter, this);
}

std::vector<QRgb> TPaneTabWidget::RowsUnder(const QRect &Rect) const
{
    const auto *box = qobject_cast<const TCachedGroupBox *>(parentWidget());
    if (!box || !box->testAttribute(Qt::WA_OpaquePaintEvent) || documentMode())
        return {};
    return UniformRows(Rect, devicePixelRatioF(), [&](QPainter &Painter, const QRect &Part) {
        Painter.save();
        Painter.translate(-pos());
        box->PaintPart(Painter, Part.translated(pos()));
        Painter.restore();
        Painter.setClipRect(Part);
        PaintPane(Painter);
    });
}
