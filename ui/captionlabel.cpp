#include "captionlabel.h"
#include "cachedgroupbox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>

void TCaptionLabel::paintEvent(QPaintEvent *Event)
{
    const auto *box = qobject_cast<const TCachedGroupBox *>(parentWidget());
    const TKey key{
        size(),      devicePixelRatioF(), text(),  font(), palette().cacheKey(),
        isEnabled(), alignment(),         style(), pos(),  box ? box->PictureNumber() : 0};
    if (!(key == FKey)) {
        FKey = key;
        FPicture = QImage(size() * key.Ratio, QImage::Format_RGB32);
        // A line of plain text, as QLabel draws one, over what the label lies on.
        const bool plain = !autoFillBackground() && frameWidth() == 0 && margin() == 0 &&
                           indent() <= 0 && !wordWrap() && !buddy() &&
                           !(textInteractionFlags() & Qt::TextSelectableByMouse) &&
                           !(textInteractionFlags() & Qt::TextSelectableByKeyboard) &&
                           (textFormat() == Qt::PlainText ||
                            (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text())));
        const std::vector<QRgb> rows =
            box && plain ? box->RowsUnder(geometry()) : std::vector<QRgb>();
        if (rows.size() == std::size_t(FPicture.height())) {
            FPicture.setDevicePixelRatio(key.Ratio);
            for (int y = 0; y < FPicture.height(); ++y)
                std::fill_n(reinterpret_cast<QRgb *>(FPicture.scanLine(y)), FPicture.width(),
                            rows[std::size_t(y)]);
            QPainter painter(&FPicture);
            painter.setFont(font());
            const int direction =
                text().isRightToLeft() ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
            style()->drawItemText(&painter, contentsRect(),
                                  int(QStyle::visualAlignment(layoutDirection(), alignment())) |
                                      direction,
                                  palette(), isEnabled(), text(), foregroundRole());
        } else {
            FPicture = QImage();
        }
        setAttribute(Qt::WA_OpaquePaintEvent, !FPicture.isNull());
    }
    if (FPicture.isNull())
        return QLabel::paintEvent(Event);
    QPainter(this).drawImage(0, 0, FPicture);
}
