#include "cachedgroupbox.h"
#include "panetabwidget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cstring>

namespace
{
// Columns kept on each side of the stretched one: more than any style's corner and frame lines.
constexpr int Margin = 16;
// Rows of a fill at most: Qt's raster engine hands a blend of 96 rows or more to its thread pool
// and waits for it, which costs more than the blend.
constexpr int FillRows = 64;
// Rows of the box beneath looked at together.
constexpr int Strip = 16;
} // namespace

void TCachedGroupBox::paintEvent(QPaintEvent *Event)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const TBase base = Base();
    const auto *box = qobject_cast<const TCachedGroupBox *>(base.Widget);
    const auto *tabs = qobject_cast<const TPaneTabWidget *>(base.Widget);
    const TKey key{size(),
                   devicePixelRatioF(),
                   option.state,
                   option.text,
                   palette().cacheKey(),
                   font(),
                   style(),
                   base.At.topLeft(),
                   box ? box->PictureNumber() : tabs ? tabs->PaneNumber() : 0};
    if (!(key == FKey) || FPicture.isNull()) {
        FKey = key;
        ++FPictureNumber;
        // The title and the corners stay as drawn; the columns between them are all alike.
        const QRect title =
            style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        FCut = std::max(title.right() + 1, 0) + Margin;
        FEnd = width() - Margin;
        if (FEnd <= FCut + 1)
            FCut = FEnd = width(); // narrow: the whole box
        option.rect = QRect(0, 0, width() - (FEnd - FCut) + (FCut < FEnd), height());
        QImage picture(option.rect.size() * key.Ratio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(key.Ratio);
        picture.fill(Qt::transparent);
        const std::vector<QRgb> beneath = Beneath(picture.height());
        for (std::size_t y = 0; y < beneath.size(); ++y)
            std::fill_n(reinterpret_cast<QRgb *>(picture.scanLine(int(y))), picture.width(),
                        beneath[y]);
        QPainter painter(&picture);
        painter.setFont(font());
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
        painter.end();
        // A fill of a colour blends exactly as a copy of its pixels, without fetching them.
        FMiddle.clear();
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
        const bool opaque = !beneath.empty();
        FPicture = QPixmap::fromImage(opaque ? picture.convertToFormat(QImage::Format_RGB32)
                                             : std::move(picture));
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        // What is drawn opaque on this box was drawn over its former picture.
        for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->testAttribute(Qt::WA_OpaquePaintEvent))
                child->update();
    }
    QPainter painter(this);
    for (const QRect &part : Event->region())
        PaintPart(painter, part);
}

// Each rectangle of a repaint on its own, clipped to it: under a clip of several rectangles a
// copy goes through the same blend of spans as a fill, and to the thread pool with it.
void TCachedGroupBox::PaintPart(QPainter &Painter, const QRect &Part) const
{
    const qreal r = FKey.Ratio;
    const auto blit = [&](const QRect &Box, int Shift) {
        if (!Box.isEmpty())
            Painter.drawPixmap(
                Box, FPicture,
                QRectF((Box.left() + Shift) * r, Box.top() * r, Box.width() * r, Box.height() * r));
    };
    Painter.setClipRect(Part);
    // The left from the picture's columns as they are, the middle filled run by run, the right
    // from the picture's shifted to follow it.
    blit(Part.intersected(QRect(0, 0, FCut, height())), 0);
    const QRectF middle = Part.intersected(QRect(FCut, 0, FEnd - FCut, height()));
    for (const TRun &run : FMiddle) {
        const QRectF rows = middle.intersected(
            QRectF(middle.left(), run.Top / r, middle.width(), (run.Bottom - run.Top) / r));
        if (!rows.isEmpty())
            Painter.fillRect(rows, run.Colour);
    }
    blit(Part.intersected(QRect(FEnd, 0, width() - FEnd, height())), FCut + 1 - FEnd);
}

TCachedGroupBox::TBase TCachedGroupBox::Base() const
{
    TBase base{parentWidget(), geometry()};
    for (const QWidget *on = this; base.Widget;
         on = base.Widget, base.Widget = on->parentWidget()) {
        // Nothing else beneath: no widget drawn before in the same parent overlaps it.
        for (const QObject *child : base.Widget->children()) {
            if (child == on)
                break;
            const auto *widget = qobject_cast<const QWidget *>(child);
            if (widget && widget->isVisibleTo(base.Widget) &&
                widget->geometry().intersects(base.At))
                return {};
        }
        // Plain containers, as a tab widget's stack and pages, draw nothing of their own.
        const auto *stack = qobject_cast<const QStackedWidget *>(base.Widget);
        const bool container = !base.Widget->isWindow() && !base.Widget->autoFillBackground() &&
                               (base.Widget->metaObject() == &QWidget::staticMetaObject ||
                                (stack && stack->frameWidth() == 0));
        if (!container)
            return base;
        base.At.translate(base.Widget->pos());
    }
    return base;
}

std::vector<QRgb> TCachedGroupBox::Beneath(int Rows) const
{
    const TBase base = Base();
    std::vector<QRgb> rows;
    if (const auto *box = qobject_cast<const TCachedGroupBox *>(base.Widget)) {
        rows = box->RowsUnder(base.At);
    } else if (const auto *tabs = qobject_cast<const TPaneTabWidget *>(base.Widget)) {
        rows = tabs->RowsUnder(base.At);
    } else if (base.Widget && base.Widget->isWindow()) {
        // A window is filled with its background before anything on it is drawn.
        const QWidget *window = base.Widget;
        const QBrush brush = window->palette().brush(window->backgroundRole());
        if (!window->testAttribute(Qt::WA_NoSystemBackground) &&
            !window->testAttribute(Qt::WA_TranslucentBackground) &&
            brush.style() == Qt::SolidPattern && brush.isOpaque())
            rows.assign(std::size_t(Rows), brush.color().rgba());
    }
    return rows.size() == std::size_t(Rows) ? rows : std::vector<QRgb>();
}

std::vector<QRgb> TCachedGroupBox::RowsUnder(const QRect &Rect) const
{
    if (!testAttribute(Qt::WA_OpaquePaintEvent) || FPicture.isNull())
        return {};
    return UniformRows(Rect, FKey.Ratio,
                       [this](QPainter &Painter, const QRect &Part) { PaintPart(Painter, Part); });
}

std::vector<QRgb> UniformRows(const QRect &Rect, qreal Ratio,
                              const std::function<void(QPainter &, const QRect &)> &Paint)
{
    if (Rect.isEmpty())
        return {};
    // A strip of rows at a time, as what lies on a box may be as wide as the window.
    QImage shown(QSize(Rect.width(), Strip) * Ratio, QImage::Format_RGB32);
    shown.setDevicePixelRatio(Ratio);
    shown.fill(0);
    const int rows = (Rect.size() * Ratio).height(); // as a picture of its size has
    std::vector<QRgb> colours;
    QPainter painter(&shown);
    for (int top = 0; top < Rect.height(); top += Strip) {
        const QRect strip(Rect.topLeft() + QPoint(0, top), QSize(Rect.width(), Strip));
        painter.setTransform(QTransform::fromTranslate(-strip.left(), -strip.top()));
        Paint(painter, strip.intersected(Rect));
        for (int y = 0; y < shown.height() && int(colours.size()) < rows; ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
            // All alike when each is as the next.
            if (std::memcmp(row, row + 1, std::size_t(shown.width() - 1) * sizeof *row) != 0)
                return {};
            colours.push_back(row[0]);
        }
    }
    return colours;
}
