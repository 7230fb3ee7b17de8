#include "resultlabel.h"

#include <QPainter>

const QStaticText &TResultLabel::Laid() const
{
    if (FLaidText != text() || FLaidFont != font()) {
        FLaidText = text();
        FLaidFont = font();
        FLaid.setTextFormat(Qt::PlainText);
        FLaid.setText(FLaidText);
        // Latin text with figures needs no shaping; skipping it saves most of a layout.
        QFont plain = FLaidFont;
        plain.setStyleStrategy(QFont::PreferNoShaping);
        FLaid.prepare(QTransform(), plain);
    }
    return FLaid;
}

QSize TResultLabel::sizeHint() const
{
    const QSizeF text = Laid().size();
    const QMargins margins = contentsMargins();
    return QSize(qCeil(text.width()) + margins.left() + margins.right(),
                 qMax(qCeil(text.height()), fontMetrics().height()) + margins.top() +
                     margins.bottom());
}

QSize TResultLabel::minimumSizeHint() const
{
    return sizeHint();
}

void TResultLabel::paintEvent(QPaintEvent *)
{
    const QStaticText &laid = Laid();
    QPainter painter(this);
    QFont plain = font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    painter.setFont(plain);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QRect box = contentsRect();
    painter.drawStaticText(
        QPointF(box.left(), box.top() + (box.height() - laid.size().height()) / 2), laid);
}
