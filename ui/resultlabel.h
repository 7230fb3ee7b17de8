// A label of the window's results and design values: a line of plain text that keeps its
// laid-out glyphs between paints and, when its text changes, repaints only the glyphs that
// changed. A plain QLabel lays its text out anew on every paint and for every size it is asked,
// and repaints all of it for any change; a refresh changes a figure or two of most lines, and
// painting glyphs is most of what a refresh costs.
#pragma once

#include <QGlyphRun>
#include <QLabel>
#include <QList>
#include <QRawFont>

#include <utility>
#include <vector>

class TResultLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TResultLabel(QWidget *Parent = nullptr);

    // Shows Text, the label's size fixed to the text's so that no layout around it is asked
    // again while the size stays. Of the label only the glyphs that differ from those shown
    // (another glyph, or the same one moved) are repainted.
    void ShowText(const QString &Text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    // The text laid out in the label's font, again only when either changed. A text whose
    // every character the font has is one run of that font's glyphs, each glyph's ink within
    // the columns of its outline's bounds, and every glyph's within InkLeft before its place and
    // InkRight after its advance; any other (a glyph from a fallback font) is laid out by
    // QTextLayout and repainted whole.
    struct TLaid {
        QString Text;
        QFont Font;
        bool Valid = false;
        bool Own = false;
        QRawFont Raw;
        QList<QGlyphRun> Runs; // positions from the text's top left
        // When Own, Runs[0]'s glyphs, their places and advances.
        QList<quint32> Glyphs;
        QList<QPointF> Places, Advances;
        qreal InkLeft = 0, InkRight = 0;
        QSizeF Size;
    };
    const TLaid &Laid() const;
    // Where the text's top left lies in the label.
    QPointF Origin() const;
    // The columns of the label where the glyphs of Before and After differ.
    QRegion Changed(const TLaid &Before, const TLaid &After) const;
    // The columns [first, last) that the ink of the Own glyph k of Laid may touch, from the
    // text's left.
    std::pair<qreal, qreal> Ink(const TLaid &Laid, qsizetype k) const;

    mutable TLaid FLaid;
    // The text and font the label's size was last fixed to.
    QString FSizedFor;
    QFont FSizedFont;
    // Of each glyph of FLaid's font as yet shown, by glyph: the columns its ink may touch from
    // its place, and how far its ink reaches past its advance as a text's last glyph. Looked up
    // only for the glyphs near a change, as a line has some seventy.
    struct TGlyphInk {
        quint32 Glyph;
        qreal First, Last, Overhang;
        bool operator<(quint32 Other) const { return Glyph < Other; }
    };
    mutable std::vector<TGlyphInk> FGlyphInks;
    const TGlyphInk &GlyphInk(quint32 Glyph, QChar Shown) const;
};
