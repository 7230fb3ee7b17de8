#include "resultlabel.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

TResultLabel::TResultLabel(QWidget *Parent) : QLabel(Parent)
{
    // Drawn from the top left: a label that grows asks a paint of its new columns only, and the
    // glyphs that changed are asked for by ShowText.
    setAttribute(Qt::WA_StaticContents);
}

const TResultLabel::TLaid &TResultLabel::Laid() const
{
    if (FLaid.Valid && FLaid.Text == text() && FLaid.Font == font())
        return FLaid;
    // Latin text with figures needs no shaping: the font's glyphs side by side.
    QFont plain = font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    if (!FLaid.Valid || FLaid.Font != font()) {
        FLaid.Raw = QRawFont::fromFont(plain);
        FGlyphInks.clear();
        // The font's own least side bearings bound every glyph's ink; a pixel more for the
        // antialiased edge and one for hinting.
        const QFontMetricsF metrics(plain);
        FLaid.InkLeft = std::max(0.0, -metrics.minLeftBearing()) + 2;
        FLaid.InkRight = std::max(0.0, -metrics.minRightBearing()) + 2;
    }
    FLaid.Valid = true;
    FLaid.Text = text();
    FLaid.Font = font();
    FLaid.Glyphs = FLaid.Raw.glyphIndexesForString(FLaid.Text);
    // A glyph for each character: none missing, and none from a pair of surrogates.
    FLaid.Own = FLaid.Raw.isValid() && !FLaid.Glyphs.contains(0) &&
                FLaid.Glyphs.size() == FLaid.Text.size();
    if (FLaid.Own) {
        // Side by side as QTextLayout places them unshaped: no kerning.
        FLaid.Advances = FLaid.Raw.advancesForGlyphIndexes(FLaid.Glyphs);
        QList<QPointF> places(FLaid.Advances.size());
        qreal x = 0;
        const qreal baseline = FLaid.Raw.ascent();
        QPointF *place = places.data();
        for (const QPointF &advance : std::as_const(FLaid.Advances)) {
            *place++ = QPointF(x, baseline);
            x += advance.x();
        }
        FLaid.Places = std::move(places);
        QGlyphRun run;
        run.setRawFont(FLaid.Raw);
        run.setGlyphIndexes(FLaid.Glyphs);
        run.setPositions(FLaid.Places);
        FLaid.Runs = {run};
        // A line as QTextLayout lays it out: its leading included, and room for the ink of a
        // last glyph that reaches past its advance.
        if (!FLaid.Glyphs.isEmpty())
            x += GlyphInk(FLaid.Glyphs.back(), FLaid.Text.back()).Overhang;
        FLaid.Size = QSizeF(x, FLaid.Raw.ascent() + FLaid.Raw.descent() +
                                   std::max(0.0, FLaid.Raw.leading()));
        return FLaid;
    }
    QTextLayout layout(FLaid.Text, plain);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        // One line as long as the text, its leading included, as QStaticText lays it out.
        line.setLeadingIncluded(true);
        line.setLineWidth(INT_MAX / 256);
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    FLaid.Runs = layout.glyphRuns();
    FLaid.Size = line.isValid() ? QSizeF(line.naturalTextWidth(), line.height()) : QSizeF();
    return FLaid;
}

const TResultLabel::TGlyphInk &TResultLabel::GlyphInk(quint32 Glyph, QChar Shown) const
{
    auto at = std::lower_bound(FGlyphInks.begin(), FGlyphInks.end(), Glyph);
    if (at == FGlyphInks.end() || at->Glyph != Glyph) {
        // The outline's bounds, a pixel more each side for the antialiased edge and one for
        // hinting; the reach past the advance as QTextLayout takes it, from the character's
        // bearing.
        QFont plain = font();
        plain.setStyleStrategy(QFont::PreferNoShaping);
        const QRectF box = FLaid.Raw.boundingRect(Glyph);
        at = FGlyphInks.insert(at, {Glyph, box.left() - 2, box.right() + 2,
                                    std::max(0.0, -QFontMetricsF(plain).rightBearing(Shown))});
    }
    return *at;
}

std::pair<qreal, qreal> TResultLabel::Ink(const TLaid &Laid, qsizetype k) const
{
    const TGlyphInk &ink = GlyphInk(Laid.Glyphs[k], Laid.Text[k]);
    return {Laid.Places[k].x() + ink.First, Laid.Places[k].x() + ink.Last};
}

QPointF TResultLabel::Origin() const
{
    const QRect box = contentsRect();
    return QPointF(box.left(), box.top() + (box.height() - Laid().Size.height()) / 2);
}

QSize TResultLabel::sizeHint() const
{
    const QSizeF text = Laid().Size;
    const QMargins margins = contentsMargins();
    return QSize(qCeil(text.width()) + margins.left() + margins.right(),
                 qMax(qCeil(text.height()), fontMetrics().height()) + margins.top() +
                     margins.bottom());
}

QSize TResultLabel::minimumSizeHint() const
{
    return sizeHint();
}

void TResultLabel::ShowText(const QString &Text)
{
    const bool fixed = minimumSize() == maximumSize();
    // A text set otherwise (a form's translation sets the texts it holds) is sized here anew.
    if (text() == Text && fixed && FSizedFor == Text && FSizedFont == font())
        return;
    const TLaid before = Laid();
    // QLabel asks a paint of all of itself for a new text; here only the changed glyphs are.
    const bool quiet = testAttribute(Qt::WA_UpdatesDisabled);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    setText(Text);
    setAttribute(Qt::WA_UpdatesDisabled, quiet);
    const QSize size = sizeHint();
    if (!fixed || minimumSize() != size || maximumSize() != size)
        setFixedSize(size);
    FSizedFor = Text, FSizedFont = font();
    update(fixed ? Changed(before, Laid()) : QRegion(rect()));
}

// A glyph is shown alike by both texts when both have it at the same place; every other glyph
// of either is repainted, with all its ink may touch. All glyphs have the one colour, so the
// order they are drawn in does not matter, and the columns where the two paints differ are all
// within the region, whatever a wider figure moved.
QRegion TResultLabel::Changed(const TLaid &Before, const TLaid &After) const
{
    if (!Before.Own || !After.Own || Before.Font != After.Font)
        return rect();
    const QList<quint32> &was = Before.Glyphs, &is = After.Glyphs;
    const QList<QPointF> &wasAt = Before.Places, &isAt = After.Places;
    std::vector<std::pair<qreal, qreal>> columns;
    qsizetype i = 0, j = 0;
    while (i < was.size() || j < is.size()) {
        if (j == is.size() || (i < was.size() && wasAt[i].x() < isAt[j].x())) {
            columns.push_back(Ink(Before, i++));
        } else if (i == was.size() || isAt[j].x() < wasAt[i].x()) {
            columns.push_back(Ink(After, j++));
        } else {
            if (was[i] != is[j])
                columns.push_back(Ink(Before, i)), columns.push_back(Ink(After, j));
            ++i, ++j;
        }
    }
    // Neighbouring columns joined, so that a figure is one rectangle rather than a glyph each.
    std::sort(columns.begin(), columns.end());
    const qreal left = Origin().x();
    QRegion region;
    for (std::size_t k = 0; k < columns.size();) {
        auto [first, last] = columns[k++];
        while (k < columns.size() && columns[k].first <= last + 4)
            last = std::max(last, columns[k++].second);
        const int from = int(std::floor(left + first)), to = int(std::ceil(left + last));
        region += QRect(from, 0, to - from, height());
    }
    return region;
}

void TResultLabel::paintEvent(QPaintEvent *Event)
{
    const TLaid &laid = Laid();
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QPointF origin = Origin();
    if (!laid.Own) {
        for (const QGlyphRun &run : laid.Runs)
            painter.drawGlyphRun(origin, run);
        return;
    }
    // Only the glyphs whose ink reaches the part asked for: the painter would clip the others,
    // but only after fetching and placing each. Those far from it by the font's bounds are not
    // looked up.
    const QRect asked = Event->region().boundingRect();
    if (Event->region().rectCount() == 1 && asked.contains(rect()))
        return painter.drawGlyphRun(origin, laid.Runs[0]); // all of it
    QList<quint32> glyphs;
    QList<QPointF> places;
    glyphs.reserve(laid.Glyphs.size()), places.reserve(laid.Glyphs.size());
    for (qsizetype k = 0; k < laid.Glyphs.size(); ++k) {
        const qreal x = origin.x() + laid.Places[k].x();
        if (x - laid.InkLeft > asked.right() + 1 ||
            x + laid.Advances[k].x() + laid.InkRight < asked.left())
            continue;
        const auto [first, last] = Ink(laid, k);
        const QRect ink(int(std::floor(origin.x() + first)), 0, int(std::ceil(last - first)) + 1,
                        height());
        if (Event->region().intersects(ink))
            glyphs.append(laid.Glyphs[k]), places.append(laid.Places[k]);
    }
    if (glyphs.size() == laid.Glyphs.size()) {
        painter.drawGlyphRun(origin, laid.Runs[0]);
    } else if (!glyphs.isEmpty()) {
        QGlyphRun part = laid.Runs[0];
        part.setGlyphIndexes(glyphs);
        part.setPositions(places);
        painter.drawGlyphRun(origin, part);
    }
}
