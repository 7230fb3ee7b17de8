// A group box that keeps its own picture (frame and title) between paints. The style draws a
// group box afresh for any part of it that needs repainting, and every change of a field or
// a result inside it does need that; the picture changes only with the box's size, title,
// font, palette, state or style, so it is drawn again only then and otherwise copied.
#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QStyle>

class TCachedGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    // What the picture was drawn for.
    struct TKey {
        QSize Size;
        qreal Ratio = 0;
        QStyle::State State;
        QString Title;
        qint64 Palette = 0;
        QFont Font;
        const QStyle *Style = nullptr;
        bool operator==(const TKey &) const = default;
    };
    TKey FKey;
    QPixmap FPicture;
};
