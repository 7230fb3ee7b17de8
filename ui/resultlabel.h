// A label of the window's results and design values: a line of plain text that keeps its
// laid-out glyphs (QStaticText) between paints. A plain QLabel lays its text out anew on
// every paint and for every size it is asked; the window repaints these lines often and
// changes only some of them, so each text is laid out once, when it changes.
#pragma once

#include <QLabel>
#include <QStaticText>

class TResultLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    // The text laid out in the label's font, again only when either changed.
    const QStaticText &Laid() const;

    mutable QStaticText FLaid;
    mutable QString FLaidText;
    mutable QFont FLaidFont;
};
