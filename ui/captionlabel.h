// A caption: a label whose text stays as the form gives it (or as a language sets it). QLabel
// lays its text out and shapes it again on every paint, and a caption is painted whenever
// something shown or hidden beside it uncovers it. On a box that shows one colour along each
// row beneath it, the caption keeps its picture drawn over those colours, and is opaque: a paint
// is a copy, and nothing beneath it is painted for it. Anywhere else it is a plain QLabel.
#pragma once

#include <QFont>
#include <QImage>
#include <QLabel>

class TCaptionLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    // What the picture was drawn for.
    struct TKey {
        QSize Size;
        qreal Ratio = 0;
        QString Text;
        QFont Font;
        qint64 Palette = 0;
        bool Enabled = false;
        Qt::Alignment Alignment;
        const QStyle *Style = nullptr;
        QPoint Pos;
        quint64 Under = 0; // the PictureNumber() of the box beneath, if any
        bool operator==(const TKey &) const = default;
    };
    TKey FKey;
    QImage FPicture; // null: painted as a QLabel
};
