// A group box that keeps its own picture (frame and title) between paints. The style draws a
// group box afresh for any part of it that needs repainting, and every change of a field or
// a result inside it does need that; the picture changes only with the box's size, title,
// font, palette, state or style, so it is drawn again only then and otherwise copied.
//
// The picture is kept narrow: a frame and its fill are the same in every column between the
// title and the right-hand corner (a style may shade them from top to bottom, so the rows are
// all kept), so the style draws the box at a width that keeps the title, the corners and one
// column of the middle, and a paint stretches that column over the box's middle, as a fill of
// each run of like rows. A narrow box is drawn whole.
//
// Where what lies beneath the box is of one opaque colour along each row (the window's
// background, or the inside of a box that is itself so, or a tab widget's pane on such a box),
// the picture is drawn over it and the box is opaque: nothing beneath it is painted again for
// a change inside it, and its fills are plain writes rather than blends of the style's faint
// shade.
#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QStyle>

#include <functional>
#include <vector>

class TCachedGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

    // The colours of the box as shown under Rect (the box's coordinates), one for each row of
    // device pixels; empty unless the box is opaque and each of those rows is of one colour.
    // A widget on the box that is drawn over these is opaque too.
    std::vector<QRgb> RowsUnder(const QRect &Rect) const;
    // Numbers the box's pictures: what lies on it was drawn over the one so numbered.
    quint64 PictureNumber() const { return FPictureNumber; }
    // The picture over Part (the box's coordinates), as the box shows it.
    void PaintPart(QPainter &Painter, const QRect &Part) const;

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    // What the box lies on (a box, a tab widget's pane or the window), through the containers
    // between that draw nothing of their own, and where the box is on it; no widget when
    // another one lies between.
    struct TBase {
        const QWidget *Widget = nullptr;
        QRect At;
    };
    TBase Base() const;
    // What lies beneath the box, a colour for each of its Rows of device pixels; empty when a
    // row is not of one opaque colour, or it is not known.
    std::vector<QRgb> Beneath(int Rows) const;

    // What the picture was drawn for.
    struct TKey {
        QSize Size;
        qreal Ratio = 0;
        QStyle::State State;
        QString Title;
        qint64 Palette = 0;
        QFont Font;
        const QStyle *Style = nullptr;
        QPoint Pos;        // on what the box lies on
        quint64 Under = 0; // its PictureNumber() or PaneNumber(), if any
        bool operator==(const TKey &) const = default;
    };
    TKey FKey;
    QPixmap FPicture;
    quint64 FPictureNumber = 0;
    // The box's columns [0, FCut) are the picture's own, its column FCut stands for the box's
    // up to FEnd, and beyond FEnd the picture's follow from FCut + 1. FCut == FEnd: the whole box.
    int FCut = 0, FEnd = 0;
    // The column FCut as runs of like rows [Top, Bottom) (device pixels) of the one colour; the
    // clear rows are left out.
    struct TRun {
        int Top, Bottom;
        QColor Colour;
    };
    std::vector<TRun> FMiddle;
};

// The colour of each row of device pixels that Paint shows over Rect, when each row is of one
// colour; else empty. Paint draws, in Rect's coordinates, the part of Rect it is given.
std::vector<QRgb> UniformRows(const QRect &Rect, qreal Ratio,
                              const std::function<void(QPainter &, const QRect &)> &Paint);
